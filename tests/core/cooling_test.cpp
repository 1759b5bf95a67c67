// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cooling.h"

#include <cmath>
#include <ostream>

#include <gtest/gtest.h>

#include "core/heat_capacity.h"
#include "core/nusselt.h"
#include "core/steady_state.h"
#include "core/test_support.h"

namespace zav {
namespace {

using test::FakeCoolingInputs;
using test::RecordingCoolingView;
using test::RecordingReporter;

struct RecordingRows : CoolingDataSink {
    std::vector<CoolingState> rows;
    void writeRow(const CoolingState& s) override { rows.push_back(s); }
};

struct HeatCapacityCase {
    HeatCapacityKind kind;
    double t;
    double expected;
};

void PrintTo(const HeatCapacityCase& c, std::ostream* os) { *os << "kind " << int(c.kind) << " at " << c.t; }

class HeatCapacityTest : public ::testing::TestWithParam<HeatCapacityCase> {};

// Against values to a tenth of J/(kg·K): carbon steel's as tabulated from EN 1993-1-2, 3.4.1.2
// (439,8 at 20 °C, 5000 at the peak of 735 °C, 650 from 900 °C), below 20 °C the value of 20 °C's
// first term, above 1200 °C the last.
TEST_P(HeatCapacityTest, GivesTheMaterialsValue) {
    const HeatCapacityCase& c = GetParam();
    HeatCapacityModel model;
    model.kind = c.kind;
    model.b = 1; // the cubic 1000 + t
    EXPECT_NEAR(materialHeatCapacity(model, c.t), c.expected, 0.05);
}

INSTANTIATE_TEST_SUITE_P(
    Tabulated, HeatCapacityTest,
    ::testing::Values(HeatCapacityCase{HeatCapacityKind::Constant, -40, 1000},
                      HeatCapacityCase{HeatCapacityKind::Constant, 900, 1000},
                      HeatCapacityCase{HeatCapacityKind::Cubic, 0, 1000},
                      HeatCapacityCase{HeatCapacityKind::Cubic, 250, 1250},
                      HeatCapacityCase{HeatCapacityKind::CarbonSteel, 19.9, 425},
                      HeatCapacityCase{HeatCapacityKind::CarbonSteel, 20, 439.8},
                      HeatCapacityCase{HeatCapacityKind::CarbonSteel, 100, 487.6},
                      HeatCapacityCase{HeatCapacityKind::CarbonSteel, 200, 529.8},
                      HeatCapacityCase{HeatCapacityKind::CarbonSteel, 300, 564.7},
                      HeatCapacityCase{HeatCapacityKind::CarbonSteel, 400, 605.9},
                      HeatCapacityCase{HeatCapacityKind::CarbonSteel, 500, 666.5},
                      HeatCapacityCase{HeatCapacityKind::CarbonSteel, 600, 760.2},
                      HeatCapacityCase{HeatCapacityKind::CarbonSteel, 700, 1008.2},
                      HeatCapacityCase{HeatCapacityKind::CarbonSteel, 734.9, 4860.2},
                      HeatCapacityCase{HeatCapacityKind::CarbonSteel, 735, 5000},
                      HeatCapacityCase{HeatCapacityKind::CarbonSteel, 800, 803.3},
                      HeatCapacityCase{HeatCapacityKind::CarbonSteel, 899.9, 650.5},
                      HeatCapacityCase{HeatCapacityKind::CarbonSteel, 900, 650},
                      HeatCapacityCase{HeatCapacityKind::CarbonSteel, 1200, 650},
                      HeatCapacityCase{HeatCapacityKind::CarbonSteel, 1500, 650}, // kept above the curve
                      HeatCapacityCase{HeatCapacityKind::Grade17246, 0, 449.57},
                      HeatCapacityCase{HeatCapacityKind::Grade17246, 100, 474.8}));

TEST(HeatCapacityCubic, UsesAllFourCoefficients) {
    HeatCapacityModel model{HeatCapacityKind::Cubic, 0, 400, 1, 0.001, 1e-6};
    EXPECT_TRUE(test::relativelyNear(materialHeatCapacity(model, 200), 400 + 200 + 40 + 8, test::kSameFormula));
}

// Inputs with which no step can be computed are refused before the first evaluation.
struct RefusalCase {
    double start;
    double fluid;
    double target;
    double steps;
    const char* message;
    double power = 0; // W
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.start << " in " << c.fluid << " to " << c.target << " in " << c.steps << " steps with " << c.power
        << " W";
}

class CoolingRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(CoolingRefusalTest, RefusesBeforeComputing) {
    const RefusalCase& c = GetParam();
    FakeCoolingInputs inputs;
    inputs.window.tBody = c.start;
    inputs.window.tFluid = c.fluid;
    inputs.target = c.target;
    inputs.steps = c.steps;
    inputs.power = c.power;
    CoolingState state;
    RecordingReporter reporter;
    RecordingCoolingView view;
    RecordingRows rows;
    EXPECT_EQ(runCooling(state, inputs, reporter, view, &rows), CoolingOutcome::Refused);
    EXPECT_EQ(reporter.messages, std::vector<std::string>{c.message});
    EXPECT_TRUE(reporter.statusTexts.empty());
    EXPECT_TRUE(view.maxima.empty());
    EXPECT_TRUE(rows.rows.empty());
    EXPECT_EQ(inputs.emissivityReads, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CoolingRefusalTest,
    ::testing::Values(RefusalCase{20, 20, 10, 100, kCoolingEqualTemperaturesMessage},
                      RefusalCase{100, 20, 100, 100, kCoolingTargetMessage},
                      RefusalCase{100, 20, 20, 100, kCoolingTargetMessage},
                      RefusalCase{100, 20, 10, 100, kCoolingTargetMessage},
                      RefusalCase{100, 20, 120, 100, kCoolingTargetMessage},
                      RefusalCase{-50, -20, -10, 100, kCoolingTargetMessage},
                      RefusalCase{100, 20, 30, 0, kCoolingStepCountMessage},
                      RefusalCase{100, 20, 30, -3, kCoolingStepCountMessage},
                      // With a source the start may be the fluid's temperature, not the target.
                      RefusalCase{20, 20, 20, 100, kCoolingTargetAtStartMessage, 20},
                      RefusalCase{60, 20, 60, 100, kCoolingTargetAtStartMessage, -5}));

// Inputs that would give a negative, zero or undefined time: refused before the run (no status
// text), or at the first step that needs them (with the status text); no time, no row.
struct InputRefusalCase {
    const char* name;
    void (*setUp)(FakeCoolingInputs&);
    std::string message;
    bool atStep;
};

void PrintTo(const InputRefusalCase& c, std::ostream* os) { *os << c.name; }

class CoolingInputRefusalTest : public ::testing::TestWithParam<InputRefusalCase> {};

TEST_P(CoolingInputRefusalTest, RefusesTheRunWithTheFieldAndItsValue) {
    const InputRefusalCase& c = GetParam();
    FakeCoolingInputs inputs;
    c.setUp(inputs);
    CoolingState state;
    RecordingReporter reporter;
    RecordingCoolingView view;
    RecordingRows rows;
    EXPECT_EQ(runCooling(state, inputs, reporter, view, &rows), CoolingOutcome::Refused);
    EXPECT_EQ(reporter.messages, std::vector<std::string>{c.message});
    if (c.atStep) {
        ASSERT_FALSE(reporter.statusTexts.empty());
        EXPECT_EQ(reporter.statusTexts.back(), c.message);
    } else {
        EXPECT_TRUE(reporter.statusTexts.empty());
    }
    EXPECT_TRUE(rows.rows.empty());
    EXPECT_TRUE(view.points.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, CoolingInputRefusalTest,
    ::testing::Values(
        InputRefusalCase{"NegativeMass", [](FakeCoolingInputs& in) { in.massValue = -1; },
                         "Hmotnosť musí byť kladné číslo (zadané: -1) !!!", false},
        InputRefusalCase{"NoMass", [](FakeCoolingInputs& in) { in.massValue = 0; },
                         "Hmotnosť musí byť kladné číslo (zadané: 0) !!!", false},
        InputRefusalCase{"NegativeArea", [](FakeCoolingInputs& in) { in.area = -0.5; },
                         "Plocha povrchu musí byť kladné číslo (zadané: -0,5) !!!", false},
        InputRefusalCase{"NoArea", [](FakeCoolingInputs& in) { in.area = 0; },
                         "Plocha povrchu musí byť kladné číslo (zadané: 0) !!!", false},
        InputRefusalCase{"NegativeEmissivity", [](FakeCoolingInputs& in) { in.epsilon = -0.2; },
                         "Emisivita nesmie byť záporná (zadané: -0,2) !!!", false},
        InputRefusalCase{"NoHeatCapacity", [](FakeCoolingInputs& in) { in.heatCapacity.constant = 0; },
                         "Tepelná kapacita materiálu musí byť kladné číslo: pri teplote 100,00 °C je 0,0 J.kg-1.K-1 !!!",
                         true},
        // c = 20·t - 1000 J/(kg·K): positive above 50 °C, so the scale pass's steps of 0,07 K
        // from 100 °C reach it at 49,95 °C.
        InputRefusalCase{"HeatCapacityCubicBelowZero",
                         [](FakeCoolingInputs& in) {
                             in.heatCapacity.kind = HeatCapacityKind::Cubic;
                             in.heatCapacity.a = -1000;
                             in.heatCapacity.b = 20;
                         },
                         "Tepelná kapacita materiálu musí byť kladné číslo: pri teplote 49,95 °C je -1,0 J.kg-1.K-1 !!!",
                         true},
        InputRefusalCase{"EmissivityBeyondADouble", [](FakeCoolingInputs& in) { in.epsilon = 1e308; },
                         kNotFiniteResultMessage, true},
        InputRefusalCase{"SphereOfNoSize",
                         [](FakeCoolingInputs& in) {
                             in.main.values.shape = SurfaceGeometry::Sphere;
                             in.window.charLength = 0;
                         },
                         kNotFiniteResultMessage, true}));

TEST(CoolingRun, ACancelledRunEndsAtTheStepItWasAskedAt) {
    struct Cancelling : RecordingCoolingView {
        bool keepGoing(long long, double) override { return false; }
    };
    FakeCoolingInputs inputs;
    CoolingState state;
    RecordingReporter reporter;
    Cancelling view;
    RecordingRows rows;
    EXPECT_EQ(runCooling(state, inputs, reporter, view, &rows), CoolingOutcome::Cancelled);
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(view.points.size(), static_cast<std::size_t>(kCancelStride));
}

// What ends a run part-way, and what it leaves behind.
struct StopCase {
    const char* name;
    void (*setUp)(FakeCoolingInputs&);
    const char* message;
    const char* status;
    int plottedPoints;
    std::size_t dataRows;
};

void PrintTo(const StopCase& c, std::ostream* os) { *os << c.name; }

class CoolingStopTest : public ::testing::TestWithParam<StopCase> {};

TEST_P(CoolingStopTest, EndsTheRunWithItsMessage) {
    const StopCase& c = GetParam();
    FakeCoolingInputs inputs;
    c.setUp(inputs);
    CoolingState state;
    RecordingReporter reporter;
    RecordingCoolingView view;
    RecordingRows rows;
    EXPECT_EQ(runCooling(state, inputs, reporter, view, &rows), CoolingOutcome::Stopped);
    EXPECT_EQ(reporter.messages, std::vector<std::string>{c.message});
    ASSERT_FALSE(reporter.statusTexts.empty());
    EXPECT_EQ(reporter.statusTexts.back(), c.status);
    EXPECT_EQ(static_cast<int>(view.points.size()), c.plottedPoints);
    EXPECT_EQ(view.setUps, c.plottedPoints > 0 ? 1 : 0);
    EXPECT_EQ(rows.rows.size(), c.dataRows);
    EXPECT_EQ(state.coolingTime, view.points.empty() ? 0.0 : view.points.back().first);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CoolingStopTest,
    ::testing::Values(
        // 2.5 steps of 28 K from 100 °C: the third starts at 44 °C and would end at 16 °C, below the fluid.
        StopCase{"StepPastTheFluid", [](FakeCoolingInputs& in) { in.steps = 2.5; }, kCoolingStepUndefinedMessage,
                 kCoolingStepUndefinedMessage, 2, 3},
        // The lower face of a hot plate 1 cm across leaves its correlation's range below ΔT ≈ 16 K.
        StopCase{"CorrelationRange",
                 [](FakeCoolingInputs& in) {
                     in.main.values.shape = SurfaceGeometry::HorizontalPlate;
                     in.main.values.face = PlatePosition::Lower;
                     in.window.charLength = 0.01;
                     in.target = 25;
                 },
                 kHorizontalPlateMessage, kHorizontalPlateStatus, 0, 0},
        StopCase{"WaterMeanTemperature",
                 [](FakeCoolingInputs& in) {
                     in.main.values.fluid = FluidKind::Water;
                     in.window.tBody = 190;
                     in.target = 100;
                 },
                 "Stredná teplota musí byť v rozsahu 0 až 100°C !!!",
                 "Stredná teplota musí byť v rozsahu 0 až 100°C !!!", 0, 0}));

CoolingState run(FakeCoolingInputs& inputs, RecordingCoolingView& view, RecordingRows* rows = nullptr) {
    CoolingState state;
    RecordingReporter reporter;
    EXPECT_EQ(runCooling(state, inputs, reporter, view, rows), CoolingOutcome::Completed);
    EXPECT_TRUE(reporter.messages.empty());
    return state;
}

TEST(CoolingRun, StepsTheWholeDropAndWritesARowPerStepAndAFinalOne) {
    FakeCoolingInputs inputs;
    inputs.steps = 7;
    inputs.target = 60;
    RecordingCoolingView view;
    RecordingRows rows;
    const CoolingState state = run(inputs, view, &rows);
    EXPECT_EQ(view.maxima, (std::vector<int>{1000, 7}));
    EXPECT_EQ(view.position, 7);
    EXPECT_EQ(view.setUps, 1);
    ASSERT_EQ(view.points.size(), 7u);
    ASSERT_EQ(rows.rows.size(), 8u);
    EXPECT_NEAR(state.tBody, 60, 1e-12);
    EXPECT_EQ(rows.rows.front().coolingTime, 0);
    EXPECT_EQ(rows.rows.front().tBody, 100);
    EXPECT_EQ(rows.rows.back().coolingTime, state.coolingTime);
    EXPECT_EQ(rows.rows.back().tBody, state.tBody);
    // Every row but the last is written at the start of a step, before the time it takes.
    for (std::size_t i = 1; i + 1 < rows.rows.size(); ++i)
        EXPECT_EQ(rows.rows[i].coolingTime, view.points[i - 1].first);
}

TEST(CoolingRun, ParsesTheEmissivityAtEverySimulationStepEvenWithoutRadiation) {
    FakeCoolingInputs inputs;
    inputs.steps = 7;
    inputs.target = 60;
    inputs.radiation = false;
    RecordingCoolingView view;
    run(inputs, view);
    EXPECT_EQ(inputs.emissivityReads, 7);

    FakeCoolingInputs broken = inputs;
    broken.emissivityReads = 0;
    broken.emissivityTexts = {"x"};
    CoolingState state;
    RecordingReporter reporter;
    EXPECT_THROW(runCooling(state, broken, reporter, view, nullptr), ConversionError);

    inputs.radiation = true;
    inputs.emissivityReads = 0;
    run(inputs, view);
    EXPECT_EQ(inputs.emissivityReads, 1008); // once more before the run, to check it
}

TEST(CoolingRun, TakesTheCoolingAreaNotTheMainWindowsArea) {
    FakeCoolingInputs inputs;
    inputs.steps = 50;
    RecordingCoolingView view;
    const double time = run(inputs, view).coolingTime;
    inputs.window.area = 7;
    EXPECT_EQ(run(inputs, view).coolingTime, time);
    inputs.area = 2;
    EXPECT_TRUE(test::relativelyNear(run(inputs, view).coolingTime, time / 2, test::kSameFormula));
}

TEST(CoolingRun, ProgressOfAStepCountThatIsNotWholeOrLarge) {
    FakeCoolingInputs inputs;
    inputs.steps = 2.5;
    inputs.target = 60;
    RecordingCoolingView view;
    run(inputs, view);
    EXPECT_EQ(view.maxima, (std::vector<int>{1000, 2}));
    EXPECT_EQ(view.position, 2);
    EXPECT_EQ(view.points.size(), 3u);

    // The most steps a run takes: the bar moves by thousandths; the run is cut short by a bad text.
    inputs.steps = 1e9;
    inputs.emissivityReads = 0;
    inputs.emissivityTexts = std::vector<std::string>(1501, "1"); // the check before the run, then the steps
    inputs.emissivityTexts.push_back("x");
    RecordingCoolingView large;
    CoolingState state;
    RecordingReporter reporter;
    EXPECT_THROW(runCooling(state, inputs, reporter, large, nullptr), ConversionError);
    EXPECT_EQ(large.maxima, (std::vector<int>{1000, 1000000000}));
    EXPECT_EQ(large.points.size(), 500u);
    EXPECT_EQ(large.position, 500); // shown when the pass ends, however it ends
}

} // namespace
} // namespace zav

namespace zav {
namespace {

// A step held at a constant coefficient is the exact solution of m·c·dT/dt = P − α·A·(T − T_f):
// steps of any size add up to the closed form τ·ln((T₀ − T_eq)/(T₁ − T_eq)), τ = m·c/(α·A), and
// one that reaches T_eq or passes it has no time.
struct StepCase {
    const char* what;
    double power, t0, t1;
};

class SourceStepTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(SourceStepTest, StepsOfAConstantCoefficientAddUpToTheClosedForm) {
    const StepCase& c = GetParam();
    constexpr double kFluid = 25, kAlpha = 7.5, kArea = 0.22, kMass = 1.19, kHeat = 900;
    const double settle = kFluid + c.power / (kAlpha * kArea);
    const double closed = kMass * kHeat / (kAlpha * kArea) * std::log((c.t0 - settle) / (c.t1 - settle));
    for (const int steps : {1, 7, 10000}) {
        double total = 0;
        for (int k = 0; k < steps; ++k) {
            const double from = c.t0 + (c.t1 - c.t0) * k / steps;
            const double to = c.t0 + (c.t1 - c.t0) * (k + 1) / steps;
            total += coolingStepTime(from, to, kFluid, c.power, kAlpha, kArea, kMass, kHeat);
        }
        EXPECT_NEAR(total, closed, 1e-9 * closed) << c.what << ", " << steps << " steps";
    }
    EXPECT_TRUE(std::isnan(coolingStepTime(c.t0, settle, kFluid, c.power, kAlpha, kArea, kMass, kHeat))) << c.what;
    EXPECT_TRUE(std::isnan(coolingStepTime(c.t0, 2 * settle - c.t0, kFluid, c.power, kAlpha, kArea, kMass, kHeat)))
        << c.what;
    if (c.power != 0) { // from the equilibrium's far side of the target back towards the start
        EXPECT_TRUE(std::isnan(coolingStepTime(c.t1, c.t0, kFluid, c.power, kAlpha, kArea, kMass, kHeat))) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Runs, SourceStepTest,
    ::testing::Values(StepCase{"warm-up from the fluid's temperature", 20, 25, 35},
                      StepCase{"cooling towards a source's equilibrium", 20, 80, 45},
                      StepCase{"a heat sink below the fluid", -20, 25, 18},
                      StepCase{"no source: plain cooling", 0, 80, 30}));

} // namespace
} // namespace zav
