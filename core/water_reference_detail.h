// SPDX-License-Identifier: GPL-3.0-or-later
// The three formulations behind water_reference.h at any state they hold for, so that they can be
// checked against the values the IAPWS releases publish for verifying computer programs. Callers
// outside the module and its tests use water_reference.h.
#pragma once

namespace zav::detail {

/// IAPWS-IF97 region 1 at tK (K) and pressure (Pa): density kg/m³, cp J/(kg·K), β 1/K.
struct WaterRegion1 {
    double density;
    double heatCapacity;
    double expansionCoeff;
};
WaterRegion1 waterRegion1(double tK, double pressure);

/// IAPWS 2008 viscosity at tK (K) and density (kg/m³) without the critical enhancement, Pa·s.
double waterViscosity(double tK, double density);

/// IAPWS 2011 thermal conductivity at tK (K) and density (kg/m³) without the critical
/// enhancement, W/(m·K).
double waterConductivity(double tK, double density);

} // namespace zav::detail
