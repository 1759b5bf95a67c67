// SPDX-License-Identifier: GPL-3.0-or-later
// The table file of a sweep: one semicolon-separated line of fourteen values per surface
// temperature, under a header, in Windows-1250 with CR LF line ends and the decimal comma.
#pragma once

#include <string>

#include "core/convection_state.h"

namespace zav {

/// The header line (UTF-8, without its line end); note the blank after the last column name.
std::string tableHeader();

/// The point's line (without its line end): tBody, tFluid, tMean, ν, μ, ρ, λ, c_p, Pr, Gr, Nu,
/// alphaConv, alphaRad, alphaTotal.
std::string tableLine(const ConvectionState& state);

} // namespace zav
