// SPDX-License-Identifier: GPL-3.0-or-later
// Shared helpers of the core tests: named tolerances, and plain-value stand-ins for the window
// that an evaluation reads and reports to.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/cooling.h"
#include "core/evaluation_inputs.h"
#include "core/steady_case.h"
#include "core/heat_capacity.h"
#include "core/number_format.h"

namespace zav::test {

/// Published reference values are given to six significant digits.
inline ::testing::AssertionResult agreesTo6Digits(double actual, double expected) {
    const double halfUnit = 0.5 * std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - 5);
    if (std::fabs(actual - expected) <= halfUnit)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " does not agree with " << expected << " to 6 digits";
}

/// Values recomputed independently from the same formulas agree to rounding noise.
constexpr double kSameFormula = 1e-12;

/// A correlation against its published form evaluated exactly: the program writes the published
/// fractions as decimals of five to eight digits (1/6 as 0.166667 or 0.166666, 16/9 as 1.77777777,
/// 1/3 as 0.33333, π as 3.1416, g as 9.8066), which moves a result by up to 3·10⁻⁵ of itself.
constexpr double kDecimalFractions = 5e-5;

/// The inclined plate's turbulent branch takes 1/3 as 0.3333: its Nusselt number lies up to
/// 4.8·10⁻⁴ of itself below the published form in the cases tested (Ra 10^6 to 10^9).
constexpr double kFourDigitThird = 5e-4;

/// Relative difference check.
inline ::testing::AssertionResult relativelyNear(double actual, double expected, double tolerance) {
    if (std::fabs(actual - expected) <= tolerance * std::fabs(expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " differs from " << expected << " by more than "
                                         << tolerance << " relative";
}

/// A liquid of constant properties, water-like.
inline UserFluidModel constantFluid() {
    UserFluidModel model;
    model.kind = ApproximationKind::Constant;
    model.dynViscosity = 1e-3;
    model.density = 1000;
    model.conductivity = 0.6;
    model.heatCapacity = 4180;
    model.expansionCoeff = 2e-4;
    return model;
}

/// A steady case with the start-up values of a freshly started program (radiation off).
inline SteadyCase startCase() {
    SteadyCase c;
    c.finGap = 0.005;
    c.tubeDiameter = 0.1;
    c.emissivity = 0.8;
    return c;
}

/// That case, read by an evaluation through its own view.
struct FakeInputs : CaseValues {
    FakeInputs() : CaseValues(startCase()) {}
};

struct RecordingReporter : Reporter {
    std::vector<std::string> messages;
    std::vector<std::string> statusTexts;

    void showMessage(const std::string& text) override { messages.push_back(text); }
    void setStatusText(const std::string& text) override { statusTexts.push_back(text); }
};

/// The cooling window, the heat-capacity window and the main window of a cooling run as plain
/// values; the defaults are the windows' initial texts. `emissivityTexts`, when not empty, are the
/// texts of the emissivity field at its successive reads (the last one repeats).
struct FakeCoolingInputs : CoolingInputs {
    FakeInputs main;
    StartInputs window{100, 20, 0.1, 1};
    double massValue = 1;
    double area = 1;
    double target = 30;
    double steps = 10000;
    double power = 0;
    bool radiation = true;
    double epsilon = 1;
    std::vector<std::string> emissivityTexts;
    HeatCapacityModel heatCapacity;
    mutable long long emissivityReads = 0;

    const EvaluationInputs& convection() const override { return main; }
    StartInputs startInputs() const override { return window; }
    double mass() const override { return massValue; }
    double coolingArea() const override { return area; }
    double targetTemperature() const override { return target; }
    double stepCount() const override { return steps; }
    double heatSource() const override { return power; }
    bool radiationOn() const override { return radiation; }
    double emissivity() const override {
        ++emissivityReads;
        if (emissivityTexts.empty())
            return epsilon;
        const std::size_t at = std::min<std::size_t>(static_cast<std::size_t>(emissivityReads), emissivityTexts.size());
        return parseNumber(emissivityTexts[at - 1]);
    }
    double materialHeatCapacity(double t) const override { return zav::materialHeatCapacity(heatCapacity, t); }
};

/// Records the progress bar and the plot of a cooling run.
struct RecordingCoolingView : CoolingView {
    std::vector<int> maxima;
    int position = 0;
    int setUps = 0;
    std::vector<std::pair<double, double>> points; // coolingTime, tBody
    std::vector<CoolingState> pointStates;
    bool keepStates = false;

    void setProgressMaximum(int maximum) override { maxima.push_back(maximum); }
    void setProgressPosition(int p) override { position = p; }
    void setUpPlot(double, double, double) override { ++setUps; }
    void plotPoint(const CoolingState& s) override {
        points.emplace_back(s.coolingTime, s.tBody);
        if (keepStates)
            pointStates.push_back(s);
    }
};

} // namespace zav::test
