// SPDX-License-Identifier: GPL-3.0-or-later
// A steady case as plain values, and the view through which an evaluation reads it. The front
// ends zav-calc and the Python module, the benchmarks and the tests compute with it;
// a case's start-up values come from the table of the inputs (io/case_inputs.h).
#pragma once

#include "core/convection_state.h"
#include "core/evaluation_inputs.h"
#include "core/user_fluid.h"

namespace zav {

/// The inputs of one steady-state evaluation.
struct SteadyCase {
    double tBody = 0;      // °C
    double tFluid = 0;     // °C
    double charLength = 0; // m
    double area = 0;       // m²
    FluidKind fluid = FluidKind::Air;
    PropertyModel properties = PropertyModel::Builtin; // of air and water
    UserFluidModel userFluid;                          // meaningful for FluidKind::UserDefined
    SurfaceGeometry shape = SurfaceGeometry::VerticalPlate;
    PlatePosition face = PlatePosition::Upper;
    double angleDeg = 0;     // degrees from the vertical
    double finGap = 0;       // m
    double tubeDiameter = 0; // m
    bool radiationOn = false;
    double emissivity = 0; // 1
};

/// The state an evaluation of the case starts from: its four main inputs and its emissivity.
inline ConvectionState startState(const SteadyCase& c) {
    ConvectionState state;
    state.emissivity = c.emissivity;
    state.tBody = c.tBody;
    state.tFluid = c.tFluid;
    state.charLength = c.charLength;
    state.area = c.area;
    return state;
}

/// A steady case as an evaluation reads it.
class CaseInputs : public EvaluationInputs {
public:
    explicit CaseInputs(const SteadyCase& c) : m_case(c) {}
    FluidKind fluidKind() const override { return m_case.fluid; }
    PropertyModel propertyModel() const override { return m_case.properties; }
    SurfaceGeometry geometry() const override { return m_case.shape; }
    PlatePosition platePosition() const override { return m_case.face; }
    bool radiationOn() const override { return m_case.radiationOn; }
    double inclinationDeg() const override { return m_case.angleDeg; }
    double finGap() const override { return m_case.finGap; }
    double tubeDiameter() const override { return m_case.tubeDiameter; }
    double emissivity() const override { return m_case.emissivity; }
    UserFluidModel userFluidModel() const override { return m_case.userFluid; }

private:
    const SteadyCase& m_case;
};

/// A steady case that holds its values and is read through its own view; a copy holds a copy.
struct CaseValues : CaseInputs {
    SteadyCase values;

    explicit CaseValues(const SteadyCase& start = {}) : CaseInputs(values), values(start) {}
    CaseValues(const CaseValues& other) : CaseInputs(values), values(other.values) {}
    CaseValues& operator=(const CaseValues& other) {
        values = other.values;
        return *this;
    }
};

} // namespace zav
