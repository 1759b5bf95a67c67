// SPDX-License-Identifier: GPL-3.0-or-later
// Thermophysical properties of the fluids: air and water at atmospheric pressure as closed-form
// correlations in temperature or from the reference equations (air_reference.h,
// water_reference.h), and the entry that picks the model of the chosen fluid (the user-defined
// fluid's models are in user_fluid.h).
#pragma once

#include <functional>

#include "core/convection_state.h"
#include "core/evaluation_inputs.h"
#include "core/user_fluid.h"

namespace zav {

/// Air, from -73 to 2226 °C: two correlation sets split at -33 and 106 °C (both in the wide set).
/// β = 1/(tFluid + 273.15); every other property at tMean. Outside the range nothing is written.
void computeAirProperties(ConvectionState& state);

/// Liquid water, 0 ≤ tMean ≤ 100 °C: λ at tFluid, the rest at tMean, β = -(dρ/dt)/ρ.
/// Outside the range nothing is written.
void computeWaterProperties(ConvectionState& state);

/// Air from the reference equations, -73 to 1726,85 °C: β at tFluid, every other property at
/// tMean, as the built-in model takes them. A property whose temperature is outside the range is
/// not written.
void computeAirReferenceProperties(ConvectionState& state);

/// Liquid water from the reference equations, 0 to 100 °C: λ at tFluid, the rest at tMean, as the
/// built-in model takes them. A property whose temperature is outside the range is not written.
void computeWaterReferenceProperties(ConvectionState& state);

/// Supplies the user-defined fluid's description as the case holds it at the moment of the call;
/// it throws ConversionError when an input of the chosen approximation is not a number.
using UserFluidSource = std::function<UserFluidModel()>;

/// Writes the six property fields with the model of `kind` (for air and water, from `model`). The
/// user-defined fluid's description is asked for only for FluidKind::UserDefined; its range
/// warnings go to `reporter`.
void computeFluidProperties(ConvectionState& state, FluidKind kind, PropertyModel model,
                            const UserFluidSource& userFluid, Reporter& reporter);

} // namespace zav
