// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/heat_capacity.h"

#include <cmath>

namespace zav {

double carbonSteelHeatCapacity(double t) {
    if (t < 20)
        return 425;
    if (t < 600)
        return 425 + 0.773 * t - 0.00169 * std::pow(t, 2) + 2.22 * std::pow(10, -6) * std::pow(t, 3);
    if (t < 735)
        return 666 + 13002 / (738 - t);
    if (t < 900)
        return 545 + 17820 / (t - 731);
    return 650; // 900..1200 °C, and kept above
}

double grade17246HeatCapacity(double t) {
    return 449.57 + 0.2803 * t - 0.0002897 * std::pow(t, 2) + 1.3284 * std::pow(10, -7) * std::pow(t, 3);
}

double materialHeatCapacity(const HeatCapacityModel& m, double t) {
    switch (m.kind) {
    case HeatCapacityKind::Constant:
        return m.constant;
    case HeatCapacityKind::Cubic:
        return m.a + m.b * t + m.c * t * t + m.d * t * t * t;
    case HeatCapacityKind::CarbonSteel:
        return carbonSteelHeatCapacity(t);
    case HeatCapacityKind::Grade17246:
        return grade17246HeatCapacity(t);
    }
    return m.constant;
}

} // namespace zav
