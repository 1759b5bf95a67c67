// SPDX-License-Identifier: GPL-3.0-or-later
// A case as zav-calc and the Python module ask for it, and its assembly into the runs' inputs: the
// steady case with its radiation switch and fluid, the sweep's files with the CEL name, the
// cooling with its own radiation and the picture's background. The checks of the options are made
// here; an option's name in a message is the front end's spelling (`--ccl` on the command line,
// `ccl` in Python). Refusals throw InputError.
#pragma once

#include <optional>
#include <string>

#include "core/convection_state.h"
#include "core/heat_capacity.h"
#include "export/sweep_range.h"
#include "io/case_inputs.h"
#include "tools/calc/calc_case.h"
#include "tools/calc/calc_options.h"
#include "tools/calc/calc_runs.h"

namespace zav::calc {

/// The inputs of the steady case that zav-calc and the module take, by their keys in the table of
/// the inputs, in the order of their help; the fluid's files follow the emissivity.
inline constexpr const char* kSteadyArguments[] = {
    "main.t_body", "main.t_fluid", "main.length",  "main.area",          "main.fluid",      "main.shape",
    "main.angle",  "main.face",    "main.fin_gap", "main.tube_diameter", "main.emissivity", "fluid.kelo.pressure",
    "main.properties"};

/// The steady case of the table's start-up values, as a front end begins it before its options.
SteadyCase startCase();

/// The steady case `c` with the fluid that `fluid` names, chosen and read by chooseFluid.
SteadyCase withFluid(SteadyCase c, const FluidChoice& fluid, const FluidOptionNames& names);

/// A sweep over the surface-temperature range and the files it writes, each absent when not given.
struct SweepRequest {
    SweepRange range{startNumber("range.from"), startNumber("range.to"), startNumber("range.step")};
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

/// The cooling's own inputs and outputs, at the table's start-up values. Its radiation switch and
/// emissivity, when not given, follow the steady case's (SteadyCase::radiationOn and emissivity).
struct CoolingRequest {
    double mass = startNumber("cooling.mass");                    // kg
    double coolingArea = startNumber("cooling.cooling_area");     // m²
    double heatSource = startNumber("cooling.power");             // W
    double targetTemperature = startNumber("cooling.target");     // °C
    double stepCount = startNumber("cooling.steps");              // 1
    HeatCapacityModel heatCapacity =
        heatCapacityModel(std::string("constant:") + caseKey("heat_capacity.constant").startValue);
    std::optional<std::string> data;    // the data file
    std::optional<std::string> picture; // the picture as a BMP file
    std::string background = caseKey("cooling.picture_background").startValue; // "black" or "white"
    /// The cooling's "Zahrnúť prestup tepla sálaním" and its emissivity, which the data file's
    /// radiation column uses even when the switch is off.
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

/// The cooling of `request` on the steady case `steady`. Radiation is the cooling's own: its
/// switch and emissivity as the request gives them; where it does not, on with the steady case's
/// emissivity when its radiation is on, else off with the emissivity 1. The steady case's own
/// switch is off. The files are checked as the sweep's (no empty name,
/// not both the same), then the background.
CoolingSetup prepareCooling(SteadyCase steady, const CoolingRequest& request,
                            const CoolingOptionNames& names);

} // namespace zav::calc
