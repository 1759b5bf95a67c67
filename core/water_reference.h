// SPDX-License-Identifier: GPL-3.0-or-later
// Liquid water at 101 325 Pa from the international reference formulations: density, isobaric heat
// capacity and expansion coefficient from IAPWS-IF97 region 1 (the liquid, also metastable up to
// 100 °C), viscosity from the IAPWS 2008 formulation, thermal conductivity from the IAPWS 2011 one.
#pragma once

#include "core/reference_properties.h"

namespace zav {

/// The range the reference water is used in, °C (both ends included).
constexpr double kWaterReferenceMin = 0;
constexpr double kWaterReferenceMax = 100;

/// The reference water's properties at one temperature.
using WaterReference = ReferenceProperties;

/// Every property at t (°C) and 101 325 Pa. Outside the range the formulations are extrapolated:
/// finite a little beyond either end (the metastable liquid), meaningless far from it.
WaterReference waterReference(double t);

/// The thermal conductivity alone at t (°C) and 101 325 Pa, as waterReference(t).conductivity.
double waterReferenceConductivity(double t);

} // namespace zav
