// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/calc/calc_limits.h"

#include "core/number_format.h"

namespace zav::calc {

namespace {

// "Varovanie: NAME VALUE …": each text names its quantity as a sentence's subject.
void temperature(std::vector<std::string>& warnings, const char* name, double value) {
    if (value < kAbsoluteZero)
        warnings.push_back(std::string("Varovanie: ") + name + " " + formatGeneral(value) +
                           " °C leží pod absolútnou nulou (-273,15 °C).");
}

void positive(std::vector<std::string>& warnings, const char* name, double value, const char* unit,
              const char* notAbove) {
    if (!(value > 0))
        warnings.push_back(std::string("Varovanie: ") + name + " " + formatGeneral(value) + " " + unit + " " +
                           notAbove + " ako nula.");
}

void emissivity(std::vector<std::string>& warnings, double value) {
    if (value < 0 || value > 1)
        warnings.push_back("Varovanie: emisivita " + formatGeneral(value) + " leží mimo rozsahu 0 až 1.");
}

void dimensions(std::vector<std::string>& warnings, const SteadyCase& steady) {
    positive(warnings, "charakteristický rozmer", steady.charLength, "m", "nie je väčší");
    positive(warnings, "plocha povrchu", steady.area, "m²", "nie je väčšia");
}

} // namespace

std::vector<std::string> steadyLimitWarnings(const SteadyCase& steady) {
    std::vector<std::string> warnings;
    temperature(warnings, "teplota telesa", steady.tBody);
    temperature(warnings, "teplota tekutiny", steady.tFluid);
    dimensions(warnings, steady);
    if (steady.radiationOn)
        emissivity(warnings, steady.emissivity);
    return warnings;
}

std::vector<std::string> sweepLimitWarnings(const SteadyCase& steady, const SweepRange& range) {
    std::vector<std::string> warnings;
    temperature(warnings, "najnižšia teplota povrchu", range.tMin);
    temperature(warnings, "najvyššia teplota povrchu", range.tMax);
    temperature(warnings, "teplota tekutiny", steady.tFluid);
    dimensions(warnings, steady);
    if (steady.radiationOn)
        emissivity(warnings, steady.emissivity);
    return warnings;
}

std::vector<std::string> coolingLimitWarnings(const SteadyCase& steady, const CoolingCase& cooling) {
    std::vector<std::string> warnings;
    temperature(warnings, "teplota telesa", steady.tBody);
    temperature(warnings, "teplota tekutiny", steady.tFluid);
    temperature(warnings, "teplota ochladenia", cooling.targetTemperature);
    dimensions(warnings, steady);
    if (!(cooling.radiationOn && cooling.emissivity < 0))
        emissivity(warnings, cooling.emissivity);
    return warnings;
}

} // namespace zav::calc
