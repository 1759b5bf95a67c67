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

/// Another case's inputs, every getter read from it when asked; a derived class overrides the
/// getters whose answer it changes.
class ForwardingInputs : public EvaluationInputs {
public:
    explicit ForwardingInputs(const EvaluationInputs& inputs) : m_inputs(inputs) {}

    FluidKind fluidKind() const override { return m_inputs.fluidKind(); }
    PropertyModel propertyModel() const override { return m_inputs.propertyModel(); }
    SurfaceGeometry geometry() const override { return m_inputs.geometry(); }
    PlatePosition platePosition() const override { return m_inputs.platePosition(); }
    bool radiationOn() const override { return m_inputs.radiationOn(); }
    double inclinationDeg() const override { return m_inputs.inclinationDeg(); }
    double finGap() const override { return m_inputs.finGap(); }
    double tubeDiameter() const override { return m_inputs.tubeDiameter(); }
    double emissivity() const override { return m_inputs.emissivity(); }
    UserFluidModel userFluidModel() const override { return m_inputs.userFluidModel(); }

private:
    const EvaluationInputs& m_inputs;
};

} // namespace zav
