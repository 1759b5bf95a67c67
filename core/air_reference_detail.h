// SPDX-License-Identifier: GPL-3.0-or-later
// The equation of state and the transport equations behind air_reference.h at any state they hold
// for, so that they can be checked at densities far from one atmosphere, where every term counts,
// and against the values Lemmon and Jacobsen (2004) publish for verifying computer programs.
// Callers outside the module and its tests use air_reference.h.
#pragma once

namespace zav::detail {

/// Lemmon et al. (2000) equation of state at tK (K) and molar density (mol/dm³): pressure Pa,
/// isobaric heat capacity J/(kg·K), expansion coefficient 1/K.
struct AirState {
    double pressure;
    double heatCapacity;
    double expansionCoeff;
};
AirState airState(double tK, double molarDensity);

/// Lemmon and Jacobsen (2004) viscosity of air at tK (K) and molar density (mol/dm³), Pa·s.
double airViscosity(double tK, double molarDensity);

/// Lemmon and Jacobsen (2004) thermal conductivity of air at tK (K) and molar density (mol/dm³)
/// without the critical enhancement, W/(m·K).
double airConductivity(double tK, double molarDensity);

} // namespace zav::detail
