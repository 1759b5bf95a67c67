// SPDX-License-Identifier: GPL-3.0-or-later
// The specific heat capacity of the cooled body's material as a function of its temperature: a
// constant, a user's cubic, or the built-in curves of carbon steel and of the steel grade 17 246.
#pragma once

namespace zav {

enum class HeatCapacityKind { Constant, Cubic, CarbonSteel, Grade17246 };

/// A material's heat-capacity model: its kind and the numbers it takes. Only the members of `kind`
/// are meaningful.
struct HeatCapacityModel {
    HeatCapacityKind kind = HeatCapacityKind::Constant;
    double constant = 1000; // J/(kg·K)
    double a = 1000;        // c = a + b·t + c·t² + d·t³, t in °C
    double b = 0;
    double c = 0;
    double d = 0;
};

/// Carbon steel, J/(kg·K): the EN 1993-1-2 curve from 20 to 1200 °C, 425 below 20 °C, and the last
/// interval's 650 above 1200 °C.
double carbonSteelHeatCapacity(double t);

/// Steel grade 17 246 (an austenitic stainless steel), J/(kg·K): one cubic fit for every t.
double grade17246HeatCapacity(double t);

/// c_material of the model at the body temperature t (°C), J/(kg·K). Constant and cubic values are
/// used as they come, zero or negative included.
double materialHeatCapacity(const HeatCapacityModel& model, double t);

} // namespace zav
