// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "core/fluid_properties.h"

namespace zav {

namespace {

// Low interval, -33 < t < 106 °C: quadratic fits.
void airLowInterval(ConvectionState& s, double t) {
    s.kinViscosity = (1.32959 + 0.0087586 * t + 9.8174e-6 * std::pow(t, 2)) * 1e-5;
    s.density = 1.2956 - 0.0047267 * t + 1.2452e-5 * std::pow(t, 2);
    s.dynViscosity = s.kinViscosity * s.density;
    s.conductivity = 0.02395 + 7.241e-5 * t - 5.648e-8 * std::pow(t, 2);
    s.heatCapacity = 1004.45 - 0.0012104 * t + 5.9793e-4 * std::pow(t, 2);
}

// Wide interval, -73..-33 and 106..2226 °C: the heat capacity needs a sixth-degree fit and the
// density a rational form.
void airWideInterval(ConvectionState& s, double t) {
    s.kinViscosity = (1.1702 + 0.010887 * t + 5.861e-6 * std::pow(t, 2)) * 1e-5;
    s.density = 1.336e6 / (4 * std::pow(t + 531.436, 2) + 5.7674) + 0.124487;
    s.dynViscosity = s.kinViscosity * s.density;
    s.conductivity = 0.023985 + 6.5732e-5 * t - 7.1714e-9 * std::pow(t, 2);
    s.heatCapacity = 1004.07 - 0.007930825 * t + 7.47802e-4 * std::pow(t, 2) - 1.04056e-6 * std::pow(t, 3) +
                     6.5985e-10 * std::pow(t, 4) - 2.045211e-13 * std::pow(t, 5) + 2.4983e-17 * std::pow(t, 6);
}

} // namespace

void computeAirProperties(ConvectionState& state) {
    const double t = state.tMean;
    if (-33 < t && t < 106) {
        airLowInterval(state, t);
    } else if ((-73 <= t && t <= -33) || (106 <= t && t <= 2226)) {
        airWideInterval(state, t);
    } else {
        return;
    }
    // Ideal gas, at the absolute temperature of the fluid.
    state.expansionCoeff = 1 / (state.tFluid + 273.15);
}

} // namespace zav
