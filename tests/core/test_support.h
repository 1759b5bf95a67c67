// Shared helpers of the core tests: named tolerances, and plain-value stand-ins for the window
// that an evaluation reads and reports to.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/evaluation_inputs.h"

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

/// Relative difference check.
inline ::testing::AssertionResult relativelyNear(double actual, double expected, double tolerance) {
    if (std::fabs(actual - expected) <= tolerance * std::fabs(expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " differs from " << expected << " by more than "
                                         << tolerance << " relative";
}

struct FakeInputs : EvaluationInputs {
    FluidKind fluid = FluidKind::Air;
    SurfaceGeometry shape = SurfaceGeometry::VerticalPlate;
    PlatePosition position = PlatePosition::Upper;
    bool radiation = false;
    double angle = 0;
    double gap = 0.005;
    double diameter = 0.1;
    double epsilon = 0.8;
    UserFluidModel userFluid;

    FluidKind fluidKind() const override { return fluid; }
    SurfaceGeometry geometry() const override { return shape; }
    PlatePosition platePosition() const override { return position; }
    bool radiationOn() const override { return radiation; }
    double inclinationDeg() const override { return angle; }
    double finGap() const override { return gap; }
    double tubeDiameter() const override { return diameter; }
    double emissivity() const override { return epsilon; }
    UserFluidModel userFluidModel() const override { return userFluid; }
};

struct RecordingReporter : Reporter {
    std::vector<std::string> messages;
    std::vector<std::string> statusTexts;

    void showMessage(const std::string& text) override { messages.push_back(text); }
    void setStatusText(const std::string& text) override { statusTexts.push_back(text); }
};

} // namespace zav::test
