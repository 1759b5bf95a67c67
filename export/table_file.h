// SPDX-License-Identifier: GPL-3.0-or-later
// The table file of a sweep: one semicolon-separated line of fourteen values per surface
// temperature, under a header, in Windows-1250 with CR LF line ends and the decimal comma.
#pragma once

#include <string>

#include "core/convection_state.h"

namespace zav {

/// The header line (UTF-8, without its line end); note the blank after the last column name.
std::string tableHeader();

/// Appends the point's line, without its line end: tBody, tFluid, tMean, ν, μ, ρ, λ, c_p, Pr, Gr,
/// Nu, alphaConv, alphaRad, alphaTotal. Only ASCII: it needs no conversion to Windows-1250.
void appendTableLine(std::string& line, const ConvectionState& state);

/// The point's line as a string of its own.
std::string tableLine(const ConvectionState& state);

} // namespace zav
