// SPDX-License-Identifier: GPL-3.0-or-later
// The design question answered directly: the body temperature, the fluid temperature, the area or
// the characteristic dimension at which the steady state carries a given heat flow. The steady
// state is computed by the same pipeline as a calculation of the case (calculateSteadyState: the
// same checks, radiation included when it is on); the unknown is bracketed inside the range where the fluid model holds and refined by
// Brent's method.
#pragma once

#include <string>
#include <vector>

#include "core/convection_state.h"
#include "core/evaluation_inputs.h"

namespace zav {

/// The input of the case that the design calculation finds.
enum class DesignUnknown { BodyTemperature, FluidTemperature, Area, CharLength };

struct DesignSolution {
    bool solved = false;
    /// The unknown at the solution (°C, m² or m).
    double value = 0;
    /// The full steady state at the solution; its heat flow is unsigned, as calculateSteadyState
    /// gives it.
    ConvectionState state;
    /// Said beside a solution: several values carry the heat flow (the one nearest to the other
    /// temperature is given), or what the fluid's own checks report at the solution.
    std::vector<std::string> warnings;
    /// Without a solution: the steady state's own message, followed by how far the heat flow can
    /// go, and the steady state's own status text.
    std::string message;
    std::string statusText;
    /// Without a solution: the heat flow reachable nearest to the target (W, signed; the largest or
    /// the smallest where the target lies beyond every one), or NaN when no value of the unknown
    /// gives a valid steady state; and the value of the unknown where it is reached.
    double reachableHeatFlow = 0;
    double reachableValue = 0;
    /// Steady-state evaluations spent.
    int evaluations = 0;
};

/// The signed heat flow of a steady state: positive from the surface into the fluid.
double signedHeatFlow(const ConvectionState& state);

/// Solves for `unknown` so that the steady state of `inputs` (the case's body and fluid
/// temperatures, dimension and area; the unknown's own value is not used) carries `heatFlow` W,
/// signed as signedHeatFlow. `evaluation` gives the shape, the fluid and the radiation as for
/// calculateSteadyState. Nothing is reported: the caller shows the messages of the solution.
DesignSolution solveSteadyState(const ConvectionState& inputs, const EvaluationInputs& evaluation,
                                DesignUnknown unknown, double heatFlow);

/// The Slovak name of an unknown as messages use it ("teplota telesa" …).
const char* designUnknownName(DesignUnknown unknown);

} // namespace zav
