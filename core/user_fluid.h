// SPDX-License-Identifier: GPL-3.0-or-later
// The user-defined fluid: constant properties, linear or quadratic polynomials in temperature, or
// the pressure-temperature polynomials of a gas mixture from the KELO program. Unlike air and
// water, these models check their own range of validity, warn, and compute on regardless.
#pragma once

#include <array>

#include "core/convection_state.h"
#include "core/reporter.h"

namespace zav {

enum class ApproximationKind { Constant, Linear, Quadratic, KELO };

/// The description of the user-defined fluid. Only the members of `kind` are meaningful.
/// Polynomial coefficients are a0, a1, ... in ascending powers of t (°C) for Linear and Quadratic,
/// and a0..a5 of f(p,T) = a0 + a1·p + a2·T + a3·p·T + a4·p² + a5·T² (p in Pa, T in K) for KELO.
struct UserFluidModel {
    ApproximationKind kind = ApproximationKind::KELO;

    // Constant.
    double dynViscosity = 0;   // Pa·s
    double density = 0;        // kg/m³
    double conductivity = 0;   // W/(m·K)
    double heatCapacity = 0;   // J/(kg·K)
    double expansionCoeff = 0; // 1/K

    // Linear, Quadratic, KELO.
    std::array<double, 6> viscosityCoeffs{};       // Pa·s (KELO: µPa·s)
    std::array<double, 6> densityCoeffs{};         // kg/m³ (Linear, Quadratic)
    std::array<double, 6> conductivityCoeffs{};    // W/(m·K) (KELO: mW/(m·K))
    std::array<double, 6> heatCapacityCoeffs{};    // J/(kg·K)
    std::array<double, 6> compressibilityCoeffs{}; // 1 (KELO)
    double validTempMin = 0;                       // °C
    double validTempMax = 0;                       // °C

    // KELO only.
    double gasPressure = 0;      // MPa
    double validPressureMin = 0; // MPa
    double validPressureMax = 0; // MPa
    double gasConstant = 0;      // J/(kg·K)
};

/// Writes the six property fields from `model` at tMean (the Constant β holds at tFluid). For the
/// polynomial kinds, a tMean, a tFluid (and for KELO a gas pressure) outside the range of validity
/// are each reported by a message, in that order, and the polynomials are extrapolated.
void computeUserFluidProperties(ConvectionState& state, const UserFluidModel& model, Reporter& reporter);

} // namespace zav
