// SPDX-License-Identifier: GPL-3.0-or-later
// The quantities of an evaluation's record, each once: its key (as the front ends' records name
// it), its field of ConvectionState and what it means. Every list of quantities (the front ends'
// records, the rows of the results shown, the table's columns, the chart's series, the reference
// deviation's properties) names its entries by Quantity and reads the field and key from here.
#pragma once

#include <array>
#include <cstddef>

#include "core/convection_state.h"

namespace zav {

/// In the order of the front ends' records: the two temperatures of the case, then the results
/// from the mean temperature to the heat flow.
enum class Quantity {
    TBody,
    TFluid,
    TMean,
    Density,
    Conductivity,
    DynViscosity,
    KinViscosity,
    HeatCapacity,
    ExpansionCoeff,
    Prandtl,
    Grashof,
    Rayleigh,
    Nusselt,
    AlphaConv,
    AlphaRad,
    AlphaTotal,
    HeatFlow,
};

struct QuantityInfo {
    Quantity id;
    const char* key; // snake case
    double ConvectionState::*field;
    const char* meaning; // what it is, with its unit
};

inline constexpr std::array<QuantityInfo, 17> kQuantities = {{
    {Quantity::TBody, "t_body", &ConvectionState::tBody, "surface temperature of the body, °C"},
    {Quantity::TFluid, "t_fluid", &ConvectionState::tFluid, "temperature of the fluid, °C"},
    {Quantity::TMean, "t_mean", &ConvectionState::tMean, "mean (film) temperature, °C"},
    {Quantity::Density, "density", &ConvectionState::density, "density of the fluid, kg/m³"},
    {Quantity::Conductivity, "conductivity", &ConvectionState::conductivity,
     "thermal conductivity of the fluid, W/(m·K)"},
    {Quantity::DynViscosity, "dyn_viscosity", &ConvectionState::dynViscosity, "dynamic viscosity of the fluid, Pa·s"},
    {Quantity::KinViscosity, "kin_viscosity", &ConvectionState::kinViscosity,
     "kinematic viscosity of the fluid, m²/s"},
    {Quantity::HeatCapacity, "heat_capacity", &ConvectionState::heatCapacity,
     "specific heat capacity of the fluid, J/(kg·K)"},
    {Quantity::ExpansionCoeff, "expansion_coeff", &ConvectionState::expansionCoeff,
     "volumetric expansion coefficient of the fluid, 1/K"},
    {Quantity::Prandtl, "prandtl", &ConvectionState::prandtl, "Prandtl number"},
    {Quantity::Grashof, "grashof", &ConvectionState::grashof, "Grashof number"},
    {Quantity::Rayleigh, "rayleigh", &ConvectionState::rayleigh,
     "Rayleigh number (of the inclined plate below its critical value: times the cosine of its angle)"},
    {Quantity::Nusselt, "nusselt", &ConvectionState::nusselt, "Nusselt number"},
    {Quantity::AlphaConv, "alpha_conv", &ConvectionState::alphaConv, "convective heat transfer coefficient, W/(m²·K)"},
    {Quantity::AlphaRad, "alpha_rad", &ConvectionState::alphaRad,
     "radiative heat transfer coefficient, W/(m²·K) (0 without radiation)"},
    {Quantity::AlphaTotal, "alpha_total", &ConvectionState::alphaTotal, "total heat transfer coefficient, W/(m²·K)"},
    {Quantity::HeatFlow, "heat_flow", &ConvectionState::heatFlow, "heat flow from the surface, W"},
}};

/// The entry of `q`.
constexpr const QuantityInfo& quantityInfo(Quantity q) {
    return kQuantities[static_cast<std::size_t>(q)];
}

/// The value of `q` in `state`.
constexpr double quantityValue(const ConvectionState& state, Quantity q) {
    return state.*quantityInfo(q).field;
}

namespace detail {
constexpr bool quantitiesInEnumOrder() {
    for (std::size_t i = 0; i < kQuantities.size(); ++i) {
        if (static_cast<std::size_t>(kQuantities[i].id) != i)
            return false;
    }
    return static_cast<std::size_t>(Quantity::HeatFlow) + 1 == kQuantities.size();
}
} // namespace detail
static_assert(detail::quantitiesInEnumOrder(), "kQuantities holds every Quantity once, in the enum's order");

} // namespace zav
