// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/steady_state.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "core/air_reference.h"
#include "core/fluid_properties.h"
#include "core/nusselt.h"
#include "core/user_fluid.h"
#include "core/water_reference.h"

namespace zav {

const char* const kAirMeanTemperatureMessage = "Stredná teplota musí byť v rozsahu -73 až 2226°C !!!";
const char* const kWaterMeanTemperatureMessage = "Stredná teplota musí byť v rozsahu 0 až 100°C !!!";
const char* const kAirReferenceMeanTemperatureMessage =
    "Stredná teplota musí byť v rozsahu -73 až 1726,85°C (referenčné vlastnosti vzduchu) !!!";
const char* const kAirReferenceFluidTemperatureMessage =
    "Teplota tekutiny musí byť v rozsahu -73 až 1726,85°C (referenčné vlastnosti vzduchu) !!!";
const char* const kWaterReferenceFluidTemperatureMessage =
    "Teplota tekutiny musí byť v rozsahu 0 až 100°C (referenčné vlastnosti vody) !!!";

const char* const kNotFiniteResultMessage =
    "Výsledok nie je konečné číslo: skontrolujte charakteristický rozmer, plochu, údaje geometrie "
    "(uhol, rozostup rebier, priemer rúrky) a vlastnosti tekutiny !!!";

namespace {

void computeMeanTemperature(ConvectionState& s) { s.tMean = (s.tBody + s.tFluid) * 0.5; }

void computeConvectiveCoefficient(ConvectionState& s) { s.alphaConv = s.nusselt * s.conductivity / s.charLength; }

void computeHeatFlow(ConvectionState& s) { s.heatFlow = std::fabs(s.tBody - s.tFluid) * (s.area * s.alphaTotal); }

UserFluidSource userFluidOf(const EvaluationInputs& inputs) {
    return [&inputs] { return inputs.userFluidModel(); };
}

// Keeps the user-defined fluid's range warnings of one calculation.
class WarningList : public Reporter {
public:
    explicit WarningList(std::vector<std::string>& warnings) : m_warnings(warnings) {}
    void showMessage(const std::string& text) override { m_warnings.push_back(text); }
    void setStatusText(const std::string&) override {}

private:
    std::vector<std::string>& m_warnings;
};

// The texts of a failed check.
struct Refusal {
    const char* message;
    const char* statusText;
};

// The checked evaluation from the mean temperature on (evaluateConvection); the user-defined
// fluid's warnings go to `warnings` as they come. Returns the texts of the check that failed.
std::optional<Refusal> convect(ConvectionState& state, const EvaluationInputs& inputs, Reporter& warnings) {
    const FluidKind kind = inputs.fluidKind();
    const PropertyModel model = inputs.propertyModel();
    if (const char* problem = meanTemperatureProblem(state, kind, model))
        return Refusal{problem, problem};
    computeFluidProperties(state, kind, model, userFluidOf(inputs), warnings);
    computeSimilarityNumbers(state);
    computeNusselt(state, inputs);
    if (const std::optional<ShapeRefusal> refusal = checkValidity(state, inputs))
        return Refusal{refusal->message, refusal->statusText};
    computeConvectiveCoefficient(state);
    return std::nullopt;
}

} // namespace

FluidTemperatureRange fluidTemperatureRange(FluidKind kind, PropertyModel model) {
    const bool reference = model == PropertyModel::Reference;
    constexpr double kAny = std::numeric_limits<double>::infinity();
    switch (kind) {
    case FluidKind::Air:
        if (reference)
            return {kAirReferenceMin, kAirReferenceMax, kAirReferenceMeanTemperatureMessage, kAirReferenceMin,
                    kAirReferenceMax, kAirReferenceFluidTemperatureMessage};
        return {-73, 2226, kAirMeanTemperatureMessage, -kAny, kAny, nullptr};
    case FluidKind::Water:
        if (reference)
            return {0, 100, kWaterMeanTemperatureMessage, kWaterReferenceMin, kWaterReferenceMax,
                    kWaterReferenceFluidTemperatureMessage};
        return {0, 100, kWaterMeanTemperatureMessage, -kAny, kAny, nullptr};
    case FluidKind::UserDefined:
        break;
    }
    return {-kAny, kAny, nullptr, -kAny, kAny, nullptr};
}

const char* meanTemperatureProblem(const ConvectionState& s, FluidKind kind, PropertyModel model) {
    const auto outside = [](double t, double low, double high) { return !(low <= t && t <= high); };
    const FluidTemperatureRange range = fluidTemperatureRange(kind, model);
    if (range.meanMessage != nullptr && outside(s.tMean, range.meanLow, range.meanHigh))
        return range.meanMessage;
    if (range.fluidMessage != nullptr && outside(s.tFluid, range.fluidLow, range.fluidHigh))
        return range.fluidMessage;
    return nullptr;
}

void computeSimilarityNumbers(ConvectionState& s) {
    s.prandtl = s.kinViscosity * s.density * s.heatCapacity / s.conductivity;
    // g = 9.8066 m/s², as the correlations were fitted with it.
    s.grashof = std::pow(s.charLength, 3) * 9.8066 * s.expansionCoeff * std::fabs(s.tBody - s.tFluid) /
                std::pow(s.kinViscosity, 2);
    s.rayleigh = s.prandtl * s.grashof;
}

void applyRadiation(ConvectionState& s, bool radiationOn) {
    if (!radiationOn) {
        s.alphaTotal = s.alphaConv;
        s.alphaRad = 0;
        return;
    }
    const double tb = s.tBody + 273.15;
    const double tf = s.tFluid + 273.15;
    // σε(Tb⁴ - Tf⁴)/(Tb - Tf) written without the division, so equal temperatures are defined too.
    s.alphaRad = 1e-8 * (s.emissivity * 5.67) * (tb + tf) * (std::pow(tb, 2) + std::pow(tf, 2));
    s.alphaTotal = s.alphaConv + s.alphaRad;
}

void evaluatePoint(ConvectionState& state, const EvaluationInputs& inputs, Reporter& reporter) {
    computeMeanTemperature(state);
    computeFluidProperties(state, inputs.fluidKind(), inputs.propertyModel(), userFluidOf(inputs), reporter);
    computeSimilarityNumbers(state);
    computeNusselt(state, inputs);
    computeConvectiveCoefficient(state);
    applyRadiation(state, inputs.radiationOn());
    computeHeatFlow(state);
}

ValidityMargin validityMargin(const ConvectionState& state, const EvaluationInputs& inputs) {
    const FluidTemperatureRange range = fluidTemperatureRange(inputs.fluidKind(), inputs.propertyModel());
    ValidityMargin margin{std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()};
    if (range.meanMessage != nullptr)
        margin.temperature = std::min({margin.temperature, state.tMean - range.meanLow, range.meanHigh - state.tMean});
    if (range.fluidMessage != nullptr)
        margin.temperature =
            std::min({margin.temperature, state.tFluid - range.fluidLow, range.fluidHigh - state.tFluid});
    // Past the temperatures' check, the similarity numbers and the Nusselt number are the state's own.
    if (margin.temperature >= 0)
        margin.correlation = correlationMargin(state, inputs);
    return margin;
}

bool evaluateConvection(ConvectionState& state, const EvaluationInputs& inputs, Reporter& reporter) {
    if (const std::optional<Refusal> refusal = convect(state, inputs, reporter)) {
        reporter.showMessage(refusal->message);
        reporter.setStatusText(refusal->statusText);
        return false;
    }
    reporter.setStatusText("");
    return true;
}

SteadyOutcome calculateSteadyState(ConvectionState& state, const EvaluationInputs& inputs) {
    SteadyOutcome outcome;
    calculateSteadyState(state, inputs, outcome);
    return outcome;
}

void calculateSteadyState(ConvectionState& state, const EvaluationInputs& inputs, SteadyOutcome& outcome) {
    outcome = SteadyOutcome{};
    WarningList warnings(outcome.warnings);
    computeMeanTemperature(state);
    std::optional<Refusal> refusal = convect(state, inputs, warnings);
    if (!refusal) {
        const bool radiationOn = inputs.radiationOn();
        if (radiationOn)
            state.emissivity = inputs.emissivity();
        applyRadiation(state, radiationOn);
        computeHeatFlow(state);
        for (double result : {state.nusselt, state.alphaConv, state.alphaRad, state.alphaTotal, state.heatFlow}) {
            if (!std::isfinite(result)) {
                refusal = Refusal{kNotFiniteResultMessage, kNotFiniteResultMessage};
                break;
            }
        }
    }
    if (refusal) {
        outcome.message = refusal->message;
        outcome.statusText = refusal->statusText;
        return;
    }
    outcome.ok = true;
}

} // namespace zav
