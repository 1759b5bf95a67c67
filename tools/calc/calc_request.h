// SPDX-License-Identifier: GPL-3.0-or-later
// A case as a front end without a window asks for it, and its assembly into the runs' inputs: the
// main window's case with its radiation switch and fluid, the sweep's files with the CEL name, the
// cooling with its own radiation and the picture's background. The checks of the options are made
// here; an option's name in a message is the front end's spelling (`--ccl` on the command line,
// `ccl` in Python). Refusals throw InputError.
#pragma once

#include <optional>
#include <string>

#include "core/convection_state.h"
#include "core/heat_capacity.h"
#include "export/sweep_range.h"
#include "tools/calc/calc_case.h"
#include "tools/calc/calc_options.h"
#include "tools/calc/calc_runs.h"

namespace zav::calc {

/// The main window's case: the numbers and choices, the emissivity (radiation is on exactly when
/// one is given) and the fluid as the options name it. The values start at the window's defaults.
struct SteadyRequest {
    double tBody = 100;      // °C
    double tFluid = 20;      // °C
    double charLength = 0.1; // m
    double area = 1;         // m²
    SurfaceGeometry shape = SurfaceGeometry::VerticalPlate;
    PlatePosition face = PlatePosition::Upper;
    double angleDeg = 0;       // degrees from the vertical
    double finGap = 0.005;     // m
    double tubeDiameter = 0.1; // m
    PropertyModel properties = PropertyModel::Builtin;
    std::optional<double> emissivity;
    FluidChoice fluid;
};

/// The main window's inputs of `request`: radiation on with the emissivity given, the fluid chosen
/// and read by chooseFluid.
SteadyCase steadyCase(const SteadyRequest& request, const FluidOptionNames& names);

/// A sweep over the surface-temperature range and the files it writes, each absent when not given.
struct SweepRequest {
    SweepRange range{0, 100, 5}; // the range window's defaults
    std::optional<std::string> table;
    std::optional<std::string> ccl;
    std::optional<std::string> name; // the boundary condition's name in the CEL library
};

/// How a front end spells the sweep's options in the messages: each file's, the name's, and the
/// library and the name as a message asks for them.
struct SweepOptionNames {
    const char* table;
    const char* ccl;
    const char* name;
    const char* cclWanted;  // "--ccl SÚBOR"
    const char* nameWanted; // "--name NÁZOV"
};

/// The files of `request`, checked: no empty file name, a name only with a library and a library
/// only with a valid name, not both files the same. The library's time line is taken now.
SweepFiles prepareSweepFiles(const SweepRequest& request, const SweepOptionNames& names);

/// The cooling window's own inputs and outputs. Its radiation switch and emissivity, when not
/// given, follow the main window's request (SteadyCase::radiationOn and emissivity).
struct CoolingRequest {
    double mass = 1;               // kg
    double coolingArea = 1;        // m²
    double targetTemperature = 30; // °C
    double stepCount = 10000;      // 1
    HeatCapacityModel heatCapacity;
    std::optional<std::string> data;    // the data file
    std::optional<std::string> picture; // the picture as a Windows bitmap
    std::string background = "black";   // the picture's: "black" or "white"
    /// The cooling window's "Zahrnúť prestup tepla sálaním" (CheckBox1) and its emissivity (Edit10),
    /// which the data file's radiation column uses even when the switch is off.
    std::optional<bool> radiation{};
    std::optional<double> emissivity{};
};

/// How a front end spells the cooling's file options in the messages.
struct CoolingOptionNames {
    const char* data;
    const char* picture;
};

/// Everything runCoolingCase takes.
struct CoolingSetup {
    SteadyCase steady;
    CoolingCase cooling;
    CoolingFiles files;
};

/// The picture's "Typ grafu" of a background's name: "black" 0, "white" 1; anything else is refused.
int plotType(const std::string& background);

/// The cooling of `request` on the main window's case `steady`. Radiation is the cooling window's:
/// its switch and emissivity as the request gives them; where it does not, on with the main
/// window's emissivity when one was given, else off with the window's emissivity 1. The main
/// window's own switch is off. The files are checked as the sweep's (no empty name,
/// not both the same), then the background.
CoolingSetup prepareCooling(SteadyCase steady, const CoolingRequest& request,
                            const CoolingOptionNames& names);

} // namespace zav::calc
