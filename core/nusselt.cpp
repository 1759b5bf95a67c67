// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nusselt.h"

namespace zav {

namespace {

// The state's numbers and the inputs that `shape` lists, read now (a numeric input parses its
// text and may throw ConversionError).
ShapePoint shapePoint(const ConvectionState& s, const EvaluationInputs& inputs,
                      const SurfaceShapeInfo& shape) {
    ShapePoint point;
    point.prandtl = s.prandtl;
    point.grashof = s.grashof;
    point.rayleigh = s.rayleigh;
    point.prandtlFactor = s.prandtlFactor;
    point.charLength = s.charLength;
    point.area = s.area;
    point.fluid = inputs.fluidKind();
    for (const std::string_view input : shape.inputs) {
        if (input == kAngleInput)
            point.angleDeg = inputs.inclinationDeg();
        else if (input == kFaceInput)
            point.face = plateFace(inputs.platePosition(), s.tBody, s.tFluid);
        else if (input == kFinGapInput)
            point.finGap = inputs.finGap();
        else if (input == kTubeDiameterInput)
            point.tubeDiameter = inputs.tubeDiameter();
    }
    return point;
}

} // namespace

ShapePoint shapePointOf(const ConvectionState& s, const EvaluationInputs& inputs) {
    return shapePoint(s, inputs, surfaceShapeInfo(inputs.geometry()));
}

void computeNusselt(ConvectionState& s, const EvaluationInputs& inputs) {
    const SurfaceShapeInfo& shape = surfaceShapeInfo(inputs.geometry());
    const ShapeNusselt result = shape.nusselt(shapePoint(s, inputs, shape));
    if (result.rayleigh)
        s.rayleigh = *result.rayleigh;
    if (result.prandtlFactor)
        s.prandtlFactor = *result.prandtlFactor;
    if (result.nusselt)
        s.nusselt = *result.nusselt;
}

std::optional<ShapeRefusal> checkValidity(const ConvectionState& s, const EvaluationInputs& inputs) {
    const SurfaceShapeInfo& shape = surfaceShapeInfo(inputs.geometry());
    return shape.validity(shapePoint(s, inputs, shape));
}

double correlationMargin(const ConvectionState& s, const EvaluationInputs& inputs) {
    const SurfaceShapeInfo& shape = surfaceShapeInfo(inputs.geometry());
    return shape.correlationMargin(shapePoint(s, inputs, shape));
}

double formulaSwitchMargin(const ConvectionState& s, const EvaluationInputs& inputs) {
    const SurfaceShapeInfo& shape = surfaceShapeInfo(inputs.geometry());
    return shape.formulaSwitchMargin(shapePoint(s, inputs, shape));
}

} // namespace zav
