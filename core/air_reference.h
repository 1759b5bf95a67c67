// SPDX-License-Identifier: GPL-3.0-or-later
// Dry air at 101 325 Pa from the reference equations: density, isobaric heat capacity and expansion
// coefficient from the equation of state of Lemmon, Jacobsen, Penoncello and Friend (2000),
// viscosity and thermal conductivity from Lemmon and Jacobsen (2004).
#pragma once

#include "core/reference_properties.h"

namespace zav {

/// The range the reference air is used in, °C (both ends included): 200 K to 2000 K, the upper
/// limit of the equations.
constexpr double kAirReferenceMin = -73;
constexpr double kAirReferenceMax = 1726.85;

/// The reference air's properties at one temperature.
using AirReference = ReferenceProperties;

/// Every property at t (°C) and 101 325 Pa. Outside the range the equations are extrapolated (the
/// values stay plausible from about 150 K to 2300 K); at or below absolute zero every field is NaN.
AirReference airReference(double t);

/// The expansion coefficient alone at t (°C) and 101 325 Pa, as airReference(t).expansionCoeff.
double airReferenceExpansion(double t);

} // namespace zav
