// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "core/fluid_properties.h"

namespace zav {

namespace {

// Density of water, a polynomial of degree 8 in t (°C), coefficients of ascending powers.
constexpr double kDensity[] = {999.8415,      0.066581623,  -0.0088248454, 7.9528412e-5,  -3.493653e-7,
                               -9.317552e-9, 2.015097e-10, -1.5909145e-12, 4.6264098e-15};

double waterDensity(double t) {
    double rho = 0;
    for (int k = 0; k < 9; ++k)
        rho += kDensity[k] * std::pow(t, k);
    return rho;
}

// Its term-by-term derivative: each coefficient is the density coefficient times its power.
constexpr double kDensitySlope[] = {0.066581623,   -0.0176496908, 2.38585236e-4,   -1.3974612e-6,
                                    -4.658776e-8, 1.2090582e-9,  -1.11364015e-11, 3.70112784e-14};

double waterDensitySlope(double t) {
    double slope = 0;
    for (int k = 0; k < 8; ++k)
        slope += kDensitySlope[k] * std::pow(t, k);
    return slope;
}

} // namespace

void computeWaterProperties(ConvectionState& state) {
    const double t = state.tMean;
    if (!(0 <= t && t <= 100))
        return;
    const double tF = state.tFluid;
    // The base is the constant 2.7183, not e: the fit was made with it.
    state.dynViscosity = 2.596e-4 + 1.1046e7 * std::pow(2.7183, -2 * std::pow((t + 1331) / 395, 2));
    state.density = waterDensity(t);
    state.heatCapacity =
        4220.2 - 3.38 * t + 0.09111 * std::pow(t, 2) - 9.4213e-4 * std::pow(t, 3) + 3.646e-6 * std::pow(t, 4);
    state.conductivity = 0.5565 + 0.002112 * tF - 8.661e-6 * std::pow(tF, 2);
    state.kinViscosity = state.dynViscosity / state.density;
    state.expansionCoeff = -waterDensitySlope(t) / state.density;
}

} // namespace zav
