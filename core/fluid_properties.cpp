#include "core/fluid_properties.h"

namespace zav {

void computeFluidProperties(ConvectionState& state, FluidKind kind) {
    switch (kind) {
    case FluidKind::Air:
        computeAirProperties(state);
        break;
    case FluidKind::Water:
        computeWaterProperties(state);
        break;
    case FluidKind::UserDefined:
        // The user-defined fluid's models plug in here; until then its properties stay as they were.
        break;
    }
}

} // namespace zav
