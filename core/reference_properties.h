// SPDX-License-Identifier: GPL-3.0-or-later
// The properties the reference equations of air and water give at one temperature and 101 325 Pa
// (air_reference.h, water_reference.h); the kinematic viscosity follows as μ/ρ.
#pragma once

namespace zav {

struct ReferenceProperties {
    double density;        // kg/m³
    double heatCapacity;   // J/(kg·K), isobaric
    double expansionCoeff; // 1/K, isobaric cubic expansion coefficient
    double dynViscosity;   // Pa·s
    double conductivity;   // W/(m·K)
};

} // namespace zav
