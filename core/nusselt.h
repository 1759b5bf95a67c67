// SPDX-License-Identifier: GPL-3.0-or-later
// Nusselt correlations of the eight surface shapes and the ranges of Rayleigh number in which
// they hold. Correlation constants are used exactly as the published fits give them
// (0.5625 and -1.77777777 in the plate function, 0.166667 and 0.166666 in the exponents).
#pragma once

#include "core/convection_state.h"
#include "core/evaluation_inputs.h"

namespace zav {

/// Writes `nusselt` of the geometry chosen in `inputs` from Pr, Gr and Ra of the state, and
/// `prandtlFactor` (and, for the inclined plate below its critical Rayleigh number, `rayleigh`)
/// where the correlation defines them. Reads the geometry's own inputs while it runs; never fails.
void computeNusselt(ConvectionState& state, const EvaluationInputs& inputs);

/// Refuses a result outside the correlation's range: shows the message and the status text and
/// returns false; on pass clears the status text and returns true.
bool checkValidity(const ConvectionState& state, const EvaluationInputs& inputs, Reporter& reporter);

/// How far the state lies inside the range of its correlation: positive inside, negative outside,
/// 0 at an edge, and continuous in the Rayleigh number, also through 0 (the distance to a
/// window's nearer end on a logarithmic scale; from Ra = 0 where no window limits it from below,
/// as no correlation takes a fractional power of a negative Ra). Needs the state's similarity
/// numbers and Nusselt number (computeNusselt).
double correlationMargin(const ConvectionState& state, const EvaluationInputs& inputs);

/// Where a correlation changes its form (the inclined plate at its critical Rayleigh number, the
/// rising face of a horizontal plate at Ra·f = 70000): negative on the lower form's side, positive
/// on the upper one's, continuous across; NaN for a correlation of one form.
double formulaSwitchMargin(const ConvectionState& state, const EvaluationInputs& inputs);

/// Texts of a refused correlation.
extern const char* const kFinnedTubeMessage;
extern const char* const kFinnedTubeStatus;
extern const char* const kPlateMessage;
extern const char* const kPlateStatus;
extern const char* const kHorizontalPlateMessage;
extern const char* const kHorizontalPlateStatus;

} // namespace zav
