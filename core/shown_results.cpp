// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shown_results.h"

#include <stdexcept>

#include "core/number_format.h"

namespace zav {

namespace {

// The convective and radiative coefficients, which the main window does not show, have the
// total's digits.
constexpr ShownResult kShownResults[] = {
    {Quantity::TMean, "Stredná teplota t_m", "°C", 10, 2, 1, ""},
    {Quantity::Density, "Hustota ρ", "kg/m³", 10, 3, 1, ""},
    {Quantity::Conductivity, "Súčiniteľ tepelnej vodivosti λ", "W/(m·K)", 10, 4, 1, ""},
    {Quantity::DynViscosity, "Dynamická viskozita η", "Pa·s", 10, 2, 1e6, " e-6"},
    {Quantity::KinViscosity, "Kinematická viskozita ν", "m²/s", 10, 2, 1e6, " e-6"},
    {Quantity::HeatCapacity, "Merná tepelná kapacita c_p", "J/(kg·K)", 10, 1, 1, ""},
    {Quantity::ExpansionCoeff, "Súčiniteľ objemovej rozťažnosti β", "1/K", 5, 3, 1000, " e-3"},
    {Quantity::Prandtl, "Prandtlovo číslo Pr", "1", 10, 3, 1, ""},
    {Quantity::Grashof, "Grashofovo číslo Gr", "1", 6, 2, 1, ""},
    {Quantity::Rayleigh, "Rayleighovo číslo Ra", "1", 6, 2, 1, ""},
    {Quantity::Nusselt, "Nusseltovo číslo Nu", "1", 10, 4, 1, ""},
    {Quantity::AlphaConv, "Súčiniteľ prestupu tepla konvekciou α_konv", "W/(m²·K)", 6, 3, 1, ""},
    {Quantity::AlphaRad, "Súčiniteľ prestupu tepla sálaním α_sálania", "W/(m²·K)", 6, 3, 1, ""},
    {Quantity::AlphaTotal, "Celkový súčiniteľ prestupu tepla α_celkové", "W/(m²·K)", 6, 3, 1, ""},
    {Quantity::HeatFlow, "Tepelný tok Q", "W", 6, 2, 1, ""},
};
constexpr std::size_t kFirst = static_cast<std::size_t>(Quantity::TMean);

constexpr bool shownResultsInOrder() {
    for (std::size_t i = 0; i < sizeof kShownResults / sizeof kShownResults[0]; ++i) {
        if (static_cast<std::size_t>(kShownResults[i].quantity) != kFirst + i)
            return false;
    }
    return kFirst + sizeof kShownResults / sizeof kShownResults[0] == kQuantities.size();
}
static_assert(shownResultsInOrder(), "kShownResults holds every result from TMean on, in the order of Quantity");

} // namespace

const ShownResult& shownResult(Quantity q) {
    const auto i = static_cast<std::size_t>(q);
    if (i < kFirst)
        throw std::out_of_range("not a result: " + std::string(quantityInfo(q).key));
    return kShownResults[i - kFirst];
}

std::string shownResultText(const ConvectionState& state, Quantity q) {
    const ShownResult& shown = shownResult(q);
    return formatFixed(quantityValue(state, q) * shown.scale, shown.precision, shown.decimals) + shown.suffix;
}

} // namespace zav
