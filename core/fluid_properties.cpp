// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fluid_properties.h"

namespace zav {

void computeFluidProperties(ConvectionState& state, FluidKind kind, const UserFluidSource& userFluid,
                            Reporter& reporter) {
    switch (kind) {
    case FluidKind::Air:
        computeAirProperties(state);
        break;
    case FluidKind::Water:
        computeWaterProperties(state);
        break;
    case FluidKind::UserDefined:
        computeUserFluidProperties(state, userFluid(), reporter);
        break;
    }
}

} // namespace zav
