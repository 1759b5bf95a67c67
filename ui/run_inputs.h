// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's inputs as one long computation sees them (a sweep, a cooling run): each read
// when the computation first needs it, as without this, and then kept, so that the windows stay
// open to the user while it goes on and what is typed meanwhile does not reach it.
#pragma once

#include <optional>

#include "core/evaluation_inputs.h"

namespace zav {

/// A value read from a window the first time a computation asks for it, and kept for the rest of
/// it; a read that throws keeps nothing.
template <class Value> class Once {
public:
    template <class Read> const Value& get(Read read) const {
        if (!m_value)
            m_value = read();
        return *m_value;
    }

private:
    mutable std::optional<Value> m_value;
};

class RunEvaluationInputs : public EvaluationInputs {
public:
    explicit RunEvaluationInputs(const EvaluationInputs& window) : m_window(window) {}

    FluidKind fluidKind() const override { return m_fluid.get([this] { return m_window.fluidKind(); }); }
    PropertyModel propertyModel() const override {
        return m_model.get([this] { return m_window.propertyModel(); });
    }
    SurfaceGeometry geometry() const override { return m_geometry.get([this] { return m_window.geometry(); }); }
    PlatePosition platePosition() const override {
        return m_position.get([this] { return m_window.platePosition(); });
    }
    bool radiationOn() const override { return m_radiation.get([this] { return m_window.radiationOn(); }); }
    double inclinationDeg() const override {
        return m_inclination.get([this] { return m_window.inclinationDeg(); });
    }
    double finGap() const override { return m_finGap.get([this] { return m_window.finGap(); }); }
    double tubeDiameter() const override { return m_tube.get([this] { return m_window.tubeDiameter(); }); }
    double emissivity() const override { return m_emissivity.get([this] { return m_window.emissivity(); }); }
    UserFluidModel userFluidModel() const override {
        return m_userFluid.get([this] { return m_window.userFluidModel(); });
    }

private:
    const EvaluationInputs& m_window;
    Once<FluidKind> m_fluid;
    Once<PropertyModel> m_model;
    Once<SurfaceGeometry> m_geometry;
    Once<PlatePosition> m_position;
    Once<bool> m_radiation;
    Once<double> m_inclination;
    Once<double> m_finGap;
    Once<double> m_tube;
    Once<double> m_emissivity;
    Once<UserFluidModel> m_userFluid;
};

} // namespace zav
