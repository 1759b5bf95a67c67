// SPDX-License-Identifier: GPL-3.0-or-later
// The values of a case that the physics does not allow but that the desktop computes with all the
// same: an emissivity outside 0 … 1, a dimension or an area not above zero, a temperature below
// absolute zero. The front ends compute such a case as the desktop does and report each value as a
// Slovak warning; what a calculation's own check refuses is left to that check.
#pragma once

#include <string>
#include <vector>

#include "export/sweep_range.h"
#include "tools/calc/calc_case.h"

namespace zav::calc {

/// -273,15 °C.
constexpr double kAbsoluteZero = -273.15;

/// The steady calculation: the body's and the fluid's temperature, the characteristic
/// dimension, the area and, with radiation on, the emissivity.
std::vector<std::string> steadyLimitWarnings(const SteadyCase& steady);

/// A sweep: as steadyLimitWarnings, with the range's lowest and highest surface temperature in
/// place of the body's.
std::vector<std::string> sweepLimitWarnings(const SteadyCase& steady, const SweepRange& range);

/// A cooling run on the steady case: the start, the fluid's and the target temperature, the
/// characteristic dimension, the steady case's area and the cooling's emissivity (the data
/// file uses it with radiation off too). The mass, the cooling area, the step count and a negative
/// emissivity with radiation on are refused by the cooling's own check and are not warned of.
std::vector<std::string> coolingLimitWarnings(const SteadyCase& steady, const CoolingCase& cooling);

} // namespace zav::calc
