// SPDX-License-Identifier: GPL-3.0-or-later
// The seam between an evaluation and the front end that runs it: the case's inputs, which an
// evaluation reads at the moment it needs them.
#pragma once

#include "core/convection_state.h"
#include "core/reporter.h"
#include "core/user_fluid.h"

namespace zav {

/// The case's inputs as an evaluation reads them while it runs. A numeric getter may parse the
/// input's current text and throws ConversionError when it is not a number.
class EvaluationInputs {
public:
    virtual ~EvaluationInputs() = default;

    virtual FluidKind fluidKind() const = 0;
    virtual PropertyModel propertyModel() const = 0;
    virtual SurfaceGeometry geometry() const = 0;
    virtual PlatePosition platePosition() const = 0;
    virtual bool radiationOn() const = 0;

    virtual double inclinationDeg() const = 0; // degrees from the vertical
    virtual double finGap() const = 0;         // m, clear gap between fins
    virtual double tubeDiameter() const = 0;   // m
    virtual double emissivity() const = 0;     // 1

    /// The user-defined fluid's description, converted from its inputs' texts now.
    virtual UserFluidModel userFluidModel() const = 0;
};

} // namespace zav
