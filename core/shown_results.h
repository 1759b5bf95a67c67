// SPDX-License-Identifier: GPL-3.0-or-later
// The results as the program shows them, each once: the main window's result fields and the
// calculation report write a quantity's value with the same digits (fixed notation of the value
// times a scale, with its suffix) and the report names it with its Slovak name, symbol and unit.
#pragma once

#include <string>

#include "core/convection_state.h"
#include "core/quantities.h"

namespace zav {

struct ShownResult {
    Quantity quantity;
    const char* name;   // Slovak, with its symbol: "Hustota ρ"
    const char* unit;   // "kg/m³"; "1" for a number without a unit
    int precision;      // significant digits, as formatFixed takes them
    int decimals;
    double scale;       // the value is shown times this
    const char* suffix; // after the digits: " e-6" of a value shown in millionths
};

/// Every quantity from the mean temperature to the heat flow, in the order of Quantity.
const ShownResult& shownResult(Quantity q);

/// The value of `q` in `state` as the main window's result field shows it: "7,362", "18,52 e-6".
std::string shownResultText(const ConvectionState& state, Quantity q);

} // namespace zav
