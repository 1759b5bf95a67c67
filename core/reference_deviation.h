// SPDX-License-Identifier: GPL-3.0-or-later
// How far the built-in properties of air and water move a result: the case evaluated once more
// with the reference properties, the signed relative deviation of the total heat transfer
// coefficient (and so of the heat flow) and the property that deviates most. Every deviation is
// (built-in − reference) / reference.
#pragma once

#include <string>

#include "core/convection_state.h"
#include "core/evaluation_inputs.h"
#include "core/quantities.h"

namespace zav {

/// A property of the fluid as the indicator names it: the quantity and its Slovak name.
struct FluidPropertyInfo {
    Quantity quantity;
    const char* name;
};

struct ReferenceDeviation {
    enum class Status {
        Available,   // both evaluations passed: the deviations below hold
        OutOfRange,  // a temperature is outside the reference equations' range
        CheckFailed, // with the reference properties the case fails a check
    };
    Status status = Status::CheckFailed;
    FluidKind fluid = FluidKind::Air;
    double deviation = 0;                        // of the total coefficient, a fraction
    const FluidPropertyInfo* property = nullptr; // the property that deviates most
    double propertyDeviation = 0;                // its deviation, a fraction
};

/// The reference evaluation of the case whose successful built-in calculation left `builtin`
/// (air or water, built-in properties); `inputs` are the ones that calculation read. Nothing is
/// reported: the outcome is in the status.
ReferenceDeviation referenceDeviation(const ConvectionState& builtin, const EvaluationInputs& inputs);

/// The sentence that reports it beside the results. A deviation beyond 5 % in magnitude begins with "Pozor:"
/// and suggests the reference properties.
std::string referenceDeviationText(const ReferenceDeviation& deviation);

/// The accuracy line under the results of a passed calculation: the warnings of how sure the result
/// is (resultWarnings), then, for air and water with the built-in properties, the sentence of
/// their deviation from the reference properties; one blank between them, empty when there is
/// neither.
std::string accuracyLine(const ConvectionState& state, const EvaluationInputs& inputs);

} // namespace zav
