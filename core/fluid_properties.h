// Thermophysical properties of the fluids: air and water at atmospheric pressure as closed-form
// correlations in temperature, and the entry that picks the model of the chosen fluid.
#pragma once

#include "core/convection_state.h"

namespace zav {

/// Air, from -73 to 2226 °C: two correlation sets split at -33 and 106 °C (both in the wide set).
/// β = 1/(tFluid + 273.15); every other property at tMean. Outside the range nothing is written.
void computeAirProperties(ConvectionState& state);

/// Liquid water, 0 ≤ tMean ≤ 100 °C: λ at tFluid, the rest at tMean, β = -(dρ/dt)/ρ.
/// Outside the range nothing is written.
void computeWaterProperties(ConvectionState& state);

/// Writes the six property fields with the model of `kind`.
void computeFluidProperties(ConvectionState& state, FluidKind kind);

} // namespace zav
