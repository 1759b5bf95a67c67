// SPDX-License-Identifier: GPL-3.0-or-later
// The steady-state pipeline: from the inputs of a ConvectionState to the convective, radiative and
// total heat transfer coefficients and the heat flow. The main calculation checks the mean
// temperature and the correlation's range on the way; a sweep point (evaluatePoint) does not.
#pragma once

#include <string>
#include <vector>

#include "core/convection_state.h"
#include "core/evaluation_inputs.h"

namespace zav {

/// Texts of a mean temperature outside the built-in fluid's range.
extern const char* const kAirMeanTemperatureMessage;
extern const char* const kWaterMeanTemperatureMessage;
/// Texts of a temperature outside the reference equations' range, in reference mode.
extern const char* const kAirReferenceMeanTemperatureMessage;
extern const char* const kAirReferenceFluidTemperatureMessage;
extern const char* const kWaterReferenceFluidTemperatureMessage;
/// Text of a result that is not a finite number (the inputs make the physics undefined).
extern const char* const kNotFiniteResultMessage;

/// Where a fluid model holds: the mean temperature, and for the reference models also the fluid
/// temperature, each with the message of a temperature outside it (null: that temperature is not
/// checked; the user-defined fluid checks neither).
struct FluidTemperatureRange {
    double meanLow, meanHigh;
    const char* meanMessage;
    double fluidLow, fluidHigh;
    const char* fluidMessage;
};
FluidTemperatureRange fluidTemperatureRange(FluidKind kind, PropertyModel model);

/// Air -73..2226 °C, water 0..100 °C, both bounds inclusive; the user-defined fluid always passes.
/// The reference properties hold for air -73..1726,85 °C and water 0..100 °C, and they need the
/// fluid temperature in that range as well (air's β and water's λ are taken there). Returns null
/// on pass, else the message of the temperature outside its range (also its status text).
const char* meanTemperatureProblem(const ConvectionState& state, FluidKind kind, PropertyModel model);

/// Pr = ν·ρ·c_p/λ, Gr = l³·9.8066·β·|ΔT|/ν², Ra = Pr·Gr.
void computeSimilarityNumbers(ConvectionState& state);

/// alphaRad from the linearised Stefan–Boltzmann law with the surroundings at tFluid when
/// radiation is on, else 0; alphaTotal = alphaConv + alphaRad.
void applyRadiation(ConvectionState& state, bool radiationOn);

/// One evaluation without checks, for the inputs already in the state: mean temperature,
/// properties, similarity numbers, Nusselt number, coefficients and heat flow. Only the
/// user-defined fluid's range warnings reach `reporter`.
void evaluatePoint(ConvectionState& state, const EvaluationInputs& inputs, Reporter& reporter);

/// The checked evaluation from the mean temperature on, shared by calculateSteadyState and every
/// step of a cooling run: the mean-temperature check, the properties, the similarity numbers, the
/// Nusselt number, the validity check and alphaConv. `tMean` must already be in the state. The
/// user-defined fluid's warnings reach `reporter` as they come; a failed check shows its message
/// and writes its status text there and returns false (the state then holds the values computed up
/// to that point); a pass writes the empty status text.
bool evaluateConvection(ConvectionState& state, const EvaluationInputs& inputs, Reporter& reporter);

/// How far a state that calculateSteadyState has computed lies inside the ranges it checks: each
/// part negative outside one of its ranges, 0 at an edge, continuous across it.
struct ValidityMargin {
    /// The mean (and where checked the fluid) temperature's distance from its range, in kelvin;
    /// infinity where no range is checked.
    double temperature;
    /// The correlation's (correlationMargin), once the temperatures pass; else NaN.
    double correlation;
};
/// A result that is not a finite number for another reason than a negative Rayleigh number is not
/// told by it.
ValidityMargin validityMargin(const ConvectionState& state, const EvaluationInputs& inputs);

/// What a steady-state calculation says beside the state it computed.
struct SteadyOutcome {
    bool ok = false;
    /// The failed check's message and its one-line status text; empty on success.
    std::string message;
    std::string statusText;
    /// The user-defined fluid's range warnings, in the order they came.
    std::vector<std::string> warnings;
};

/// The steady state of a case whose inputs are in the state: as evaluatePoint, with the
/// mean-temperature check before the properties and the validity check after the Nusselt number,
/// and the emissivity read once more when radiation is on; a Nusselt number, coefficient or heat
/// flow that is not a finite number is refused like a failed check. On failure the state holds
/// the values computed up to that point.
SteadyOutcome calculateSteadyState(ConvectionState& state, const EvaluationInputs& inputs);

/// The same, writing the outcome into `outcome` as it goes: an input that throws ConversionError
/// midway (a shape's own input) leaves there the warnings that came before it, for a caller that
/// shows them before the error.
void calculateSteadyState(ConvectionState& state, const EvaluationInputs& inputs, SteadyOutcome& outcome);

} // namespace zav
