// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/calc/calc_request.h"

#include "export/cel_file.h"

#include <utility>

namespace zav::calc {

SteadyCase startCase() {
    static const SteadyCase start = startSteadyCase();
    return start;
}

SteadyCase withFluid(SteadyCase c, const FluidChoice& fluid, const FluidOptionNames& names) {
    chooseFluid(c, fluid, names);
    return c;
}

SweepFiles prepareSweepFiles(const SweepRequest& request, const SweepOptionNames& names) {
    if (request.table)
        requireFileName(names.table, *request.table);
    if (request.ccl)
        requireFileName(names.ccl, *request.ccl);
    if (request.name && !request.ccl)
        throw InputError(std::string(names.name) + " potrebuje knižnicu CEL: " + names.cclWanted + ".");
    SweepFiles files;
    files.table = request.table.value_or("");
    files.ccl = request.ccl.value_or("");
    requireDistinctOutputs(names.table, files.table, names.ccl, files.ccl);
    if (request.ccl) {
        if (!request.name)
            throw InputError(std::string(names.ccl) +
                             " potrebuje názov okrajovej podmienky: " + names.nameWanted + ".");
        if (!isValidCelName(*request.name))
            throw InputError(invalidCelNameMessage(*request.name));
        files.cclName = *request.name;
        files.asctime = currentAsctime();
    }
    return files;
}

int plotType(const std::string& background) {
    return static_cast<int>(choicePosition(background, kBackgroundChoice));
}

CoolingSetup prepareCooling(SteadyCase steady, const CoolingRequest& request,
                            const CoolingOptionNames& names) {
    CoolingSetup setup;
    CoolingCase& cooling = setup.cooling;
    cooling.mass = request.mass;
    cooling.coolingArea = request.coolingArea;
    cooling.heatSource = request.heatSource;
    cooling.targetTemperature = request.targetTemperature;
    cooling.stepCount = request.stepCount;
    cooling.heatCapacity = request.heatCapacity;
    cooling.radiationOn = request.radiation.value_or(steady.radiationOn);
    cooling.emissivity = request.emissivity.value_or(steady.radiationOn ? steady.emissivity : startNumber("cooling.emissivity"));
    // Radiation of the cooling is its own; the steady case's switch plays no part.
    steady.radiationOn = false;
    setup.steady = std::move(steady);
    if (request.data)
        requireFileName(names.data, *request.data);
    if (request.picture)
        requireFileName(names.picture, *request.picture);
    setup.files.data = request.data.value_or("");
    setup.files.picture = request.picture.value_or("");
    requireDistinctOutputs(names.data, setup.files.data, names.picture, setup.files.picture);
    setup.files.plotType = plotType(request.background);
    return setup;
}

} // namespace zav::calc
