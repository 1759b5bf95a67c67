// SPDX-License-Identifier: GPL-3.0-or-later
// The Nusselt number of the case's surface shape and the check of the range in which its
// correlation holds: the shape's row of kSurfaceShapes (core/surface_shapes.h) applied to the
// similarity numbers of a ConvectionState, with the shape's own inputs read at that moment.
#pragma once

#include <optional>

#include "core/convection_state.h"
#include "core/evaluation_inputs.h"
#include "core/surface_shapes.h"

namespace zav {

/// The state's similarity numbers and the case's shape's own inputs as the shape's functions
/// take them (the inputs read now).
ShapePoint shapePointOf(const ConvectionState& state, const EvaluationInputs& inputs);

/// Writes `nusselt` of the geometry chosen in `inputs` from Pr, Gr and Ra of the state, and
/// `prandtlFactor` (and, for the inclined plate below its critical Rayleigh number, `rayleigh`)
/// where the correlation defines them. Reads the geometry's own inputs while it runs; never fails.
void computeNusselt(ConvectionState& state, const EvaluationInputs& inputs);

/// Whether a result lies inside its correlation's range: empty on pass, else the message and the
/// status text it is refused with.
std::optional<ShapeRefusal> checkValidity(const ConvectionState& state, const EvaluationInputs& inputs);

/// How far the state lies inside the range of its correlation: positive inside, negative outside,
/// 0 at an edge, and continuous in the Rayleigh number, also through 0 (the distance to a
/// range's nearer end on a logarithmic scale; from Ra = 0 where no range limits it from below,
/// as no correlation takes a fractional power of a negative Ra). Needs the state's similarity
/// numbers and Nusselt number (computeNusselt).
double correlationMargin(const ConvectionState& state, const EvaluationInputs& inputs);

/// Where a correlation changes its form (the inclined plate at its critical Rayleigh number, the
/// rising face of a horizontal plate at Ra·f = 70000): negative on the lower form's side, positive
/// on the upper one's, continuous across; NaN for a correlation of one form.
double formulaSwitchMargin(const ConvectionState& state, const EvaluationInputs& inputs);

} // namespace zav
