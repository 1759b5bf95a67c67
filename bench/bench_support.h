// SPDX-License-Identifier: GPL-3.0-or-later
// What the benchmarks give the core in place of the windows: the main window's defaults (air,
// vertical plate, radiation on) and a reporter that says nothing.
#pragma once

#include <string>

#include "core/evaluation_inputs.h"
#include "core/reporter.h"

namespace zav::bench {

struct MainWindowDefaults : EvaluationInputs {
    double epsilon = 0.8;
    FluidKind fluid = FluidKind::Air;
    PropertyModel properties = PropertyModel::Builtin;
    FluidKind fluidKind() const override { return fluid; }
    PropertyModel propertyModel() const override { return properties; }
    SurfaceGeometry geometry() const override { return SurfaceGeometry::VerticalPlate; }
    PlatePosition platePosition() const override { return PlatePosition::Upper; }
    bool radiationOn() const override { return true; }
    double inclinationDeg() const override { return 0; }
    double finGap() const override { return 0.005; }
    double tubeDiameter() const override { return 0.1; }
    double emissivity() const override { return epsilon; }
    UserFluidModel userFluidModel() const override { return {}; }
};

struct Silent : Reporter {
    void showMessage(const std::string&) override {}
    void setStatusText(const std::string&) override {}
};

} // namespace zav::bench
