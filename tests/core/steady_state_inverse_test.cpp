// SPDX-License-Identifier: GPL-3.0-or-later
// The design calculation against the steady state itself: the heat flow of a steady state, solved
// back for any one of its inputs, gives that input again; several solutions, and none, are said so.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/steady_state.h"
#include "core/steady_state_inverse.h"
#include "core/surface_shapes.h"
#include "test_support.h"

namespace zav {
namespace {

struct Base {
    const char* name;
    FluidKind fluid;
    PropertyModel properties;
    double tBody, tFluid;
};

const Base kBases[] = {
    {"air", FluidKind::Air, PropertyModel::Builtin, 100, 20},
    {"air, body colder", FluidKind::Air, PropertyModel::Builtin, 5, 30},
    {"air, reference", FluidKind::Air, PropertyModel::Reference, 300, 25},
    {"water", FluidKind::Water, PropertyModel::Builtin, 60, 20},
    {"user fluid", FluidKind::UserDefined, PropertyModel::Builtin, 80, 20},
};

const DesignUnknown kUnknowns[] = {DesignUnknown::BodyTemperature, DesignUnknown::FluidTemperature,
                                   DesignUnknown::Area, DesignUnknown::CharLength};

// The steady state's inputs with `value` in the one `unknown` names.
ConvectionState withInput(const ConvectionState& inputs, DesignUnknown unknown, double value) {
    ConvectionState state;
    state.tBody = unknown == DesignUnknown::BodyTemperature ? value : inputs.tBody;
    state.tFluid = unknown == DesignUnknown::FluidTemperature ? value : inputs.tFluid;
    state.area = unknown == DesignUnknown::Area ? value : inputs.area;
    state.charLength = unknown == DesignUnknown::CharLength ? value : inputs.charLength;
    return state;
}

// Every shape, fluid, radiation switch and unknown: the solution is the input to 1e-9 relative
// (a temperature relative to the temperature difference), with the same results, in at most 40
// evaluations on average.
TEST(SteadyStateInverseTest, EverySteadyStateSolvedBackGivesItsInput) {
    int cases = 0;
    int evaluations = 0;
    for (const Base& base : kBases) {
        for (const SurfaceShapeInfo& shape : kSurfaceShapes) {
            for (bool radiation : {false, true}) {
                test::FakeInputs inputs;
                inputs.values.fluid = base.fluid;
                inputs.values.properties = base.properties;
                inputs.values.userFluid = test::constantFluid();
                inputs.values.shape = shape.id;
                inputs.values.radiationOn = radiation;
                inputs.values.angleDeg = 30;
                ConvectionState steady;
                steady.tBody = base.tBody;
                steady.tFluid = base.tFluid;
                steady.charLength = 0.2;
                steady.area = 0.5;
                if (!calculateSteadyState(steady, inputs).ok)
                    continue; // a correlation that does not hold here
                const double heatFlow = signedHeatFlow(steady);
                for (DesignUnknown unknown : kUnknowns) {
                    SCOPED_TRACE(std::string(base.name) + ", " + shape.commandName + (radiation ? ", radiation, " : ", ") +
                                 designUnknownName(unknown));
                    // Of several dimensions the one nearest to the dimension typed is found: here
                    // the steady state's own.
                    const ConvectionState start =
                        unknown == DesignUnknown::CharLength ? steady : withInput(steady, unknown, 1);
                    const DesignSolution solution = solveSteadyState(start, inputs, unknown, heatFlow);
                    ASSERT_TRUE(solution.solved) << solution.message;
                    // A plain steady evaluation of the inputs with the value found carries the
                    // heat flow, and the value is the steady state's own input.
                    ConvectionState check = withInput(steady, unknown, solution.value);
                    ASSERT_TRUE(calculateSteadyState(check, inputs).ok);
                    EXPECT_TRUE(test::relativelyNear(signedHeatFlow(check), heatFlow, 1e-9));
                    const double expected = unknown == DesignUnknown::BodyTemperature    ? base.tBody
                                            : unknown == DesignUnknown::FluidTemperature ? base.tFluid
                                            : unknown == DesignUnknown::Area             ? 0.5
                                                                                         : 0.2;
                    const bool temperature = unknown == DesignUnknown::BodyTemperature ||
                                             unknown == DesignUnknown::FluidTemperature;
                    const double scale = temperature ? std::fabs(steady.tBody - steady.tFluid) : std::fabs(expected);
                    EXPECT_TRUE(test::relativelyNear(signedHeatFlow(solution.state), heatFlow, 1e-9));
                    // A dimension that cancels out of the correlation cannot be found again: the
                    // solution says so.
                    const bool flat = !solution.warnings.empty() &&
                                      solution.warnings.back().find("nezávisí") != std::string::npos;
                    if (!flat) {
                        EXPECT_LE(std::fabs(solution.value - expected), 1e-9 * scale) << solution.value;
                        EXPECT_TRUE(test::relativelyNear(solution.state.alphaTotal, steady.alphaTotal, 1e-8));
                    }
                    // Only several solutions (water near 4 °C, the cylinder's and the inclined
                    // plate's dimension) or none to pick are said.
                    for (const std::string& warning : solution.warnings) {
                        EXPECT_TRUE(warning.find("nie je monotónny") != std::string::npos ||
                                    warning.find("nezávisí") != std::string::npos)
                            << warning;
                    }
                    ++cases;
                    evaluations += solution.evaluations;
                }
            }
        }
    }
    EXPECT_GE(cases, 250);
    EXPECT_LE(evaluations, 40 * cases) << evaluations << " evaluations in " << cases << " cases";
    std::printf("%d round trips, %.1f evaluations each on average\n", cases, double(evaluations) / cases);
}

// Water's heat flow rises and falls again as the mean temperature nears 4 °C: of the two body
// temperatures that carry -300 W into water at 8 °C, the one nearer to the water is given, and
// said to be one of several.
TEST(SteadyStateInverseTest, OfSeveralTemperaturesTheNearestIsGivenWithAWarning) {
    test::FakeInputs inputs;
    inputs.values.fluid = FluidKind::Water;
    ConvectionState start;
    start.tFluid = 8;
    start.charLength = 0.2;
    start.area = 0.5;
    const DesignSolution solution = solveSteadyState(start, inputs, DesignUnknown::BodyTemperature, -300);
    ASSERT_TRUE(solution.solved) << solution.message;
    EXPECT_GT(solution.value, 4);
    EXPECT_LT(solution.value, 5);
    EXPECT_TRUE(test::relativelyNear(signedHeatFlow(solution.state), -300, 1e-9));
    ASSERT_EQ(solution.warnings.size(), 1u);
    EXPECT_NE(solution.warnings[0].find("nie je monotónny"), std::string::npos) << solution.warnings[0];
}

TEST(SteadyStateInverseTest, NoHeatFlowMeansEqualTemperatures) {
    test::FakeInputs inputs;
    ConvectionState start;
    start.tBody = 100;
    start.tFluid = 20;
    start.charLength = 0.2;
    start.area = 0.5;
    for (DesignUnknown unknown : {DesignUnknown::BodyTemperature, DesignUnknown::FluidTemperature}) {
        const DesignSolution solution = solveSteadyState(start, inputs, unknown, 0);
        ASSERT_TRUE(solution.solved) << solution.message;
        EXPECT_EQ(solution.state.tBody, solution.state.tFluid);
        EXPECT_EQ(solution.value, unknown == DesignUnknown::BodyTemperature ? 20 : 100);
        EXPECT_EQ(solution.state.heatFlow, 0);
        // The plate's correlation does not hold without a temperature difference: said so, as a
        // warning of its own, not as the refusal of a case.
        ASSERT_EQ(solution.warnings.size(), 1u);
        EXPECT_EQ(solution.warnings[0],
                  std::string("Tepelný tok 0 W: teplota ") +
                      (unknown == DesignUnknown::BodyTemperature ? "telesa sa rovná teplote tekutiny (20"
                                                                 : "tekutiny sa rovná teplote telesa (100") +
                      " °C), pri ktorej nevzniká voľná konvekcia a súčiniteľ prestupu tepla je 0; výpočet tam hlási: "
                      "Pre dané parametre nie je možný výpočet! 0,1<Ra<10^12");
    }
}

// Without a solution the steady state's own message says why (that of the case just beyond the
// reach), followed by the largest heat flow reachable when there is one.
TEST(SteadyStateInverseTest, NoSolutionSaysWhyAndHowFarItCanGo) {
    struct Case {
        const char* name;
        FluidKind fluid;
        SurfaceGeometry shape;
        DesignUnknown unknown;
        double heatFlow;
        double tBody, tFluid;
        double beyondBody, beyondFluid; // a steady state that fails as the solution would
        const char* reach; // how far the heat flow can go
    };
    const Case cases[] = {
        {"air too hot", FluidKind::Air, SurfaceGeometry::VerticalPlate, DesignUnknown::BodyTemperature, 1e7, 100, 20,
         4500, 20, "Najväčší"},
        {"air too cold a fluid", FluidKind::Air, SurfaceGeometry::VerticalPlate, DesignUnknown::FluidTemperature,
         1e7, 100, 20, 100, -250, "Najväčší"},
        {"water too hot", FluidKind::Water, SurfaceGeometry::VerticalPlate, DesignUnknown::BodyTemperature, 1e7, 60,
         20, 190, 20, "Najväčší"},
        {"finned tube, a heat flow too small", FluidKind::Air, SurfaceGeometry::FinnedTube,
         DesignUnknown::BodyTemperature, 1e-9, 100, 20, 20.000001, 20, "Najmenší"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::FakeInputs inputs;
        inputs.values.fluid = c.fluid;
        inputs.values.shape = c.shape;
        ConvectionState start;
        start.tBody = c.tBody;
        start.tFluid = c.tFluid;
        start.charLength = 0.2;
        start.area = 0.5;
        ConvectionState beyond = start;
        beyond.tBody = c.beyondBody;
        beyond.tFluid = c.beyondFluid;
        const SteadyOutcome outcome = calculateSteadyState(beyond, inputs);
        ASSERT_FALSE(outcome.ok);
        const DesignSolution solution = solveSteadyState(start, inputs, c.unknown, c.heatFlow);
        ASSERT_FALSE(solution.solved) << solution.value;
        EXPECT_EQ(solution.message.rfind(outcome.message, 0), 0u) << solution.message;
        EXPECT_EQ(solution.statusText, outcome.statusText);
        EXPECT_NE(solution.message.find(std::string("\n") + c.reach + " dosiahnuteľný tepelný tok je "),
                  std::string::npos)
            << solution.message;
        EXPECT_TRUE(std::isfinite(solution.reachableHeatFlow));
    }
}

// A heat flow against the temperature difference, or at equal temperatures, has no area or
// dimension.
TEST(SteadyStateInverseTest, NoAreaOrDimensionCarriesAHeatFlowAgainstTheTemperatures) {
    const struct {
        double tBody, tFluid, heatFlow;
        const char* says;
    } cases[] = {
        {100, 20, -50, "nemá smer"},
        {20, 100, 50, "nemá smer"},
        {100, 20, 0, "nemá smer"},
        {40, 40, 50, "Pri rovnakej teplote"},
    };
    test::FakeInputs inputs;
    for (const auto& c : cases) {
        for (DesignUnknown unknown : {DesignUnknown::Area, DesignUnknown::CharLength}) {
            ConvectionState start;
            start.tBody = c.tBody;
            start.tFluid = c.tFluid;
            start.charLength = 0.2;
            start.area = 0.5;
            const DesignSolution solution = solveSteadyState(start, inputs, unknown, c.heatFlow);
            EXPECT_FALSE(solution.solved);
            EXPECT_NE(solution.message.find(c.says), std::string::npos) << solution.message;
            EXPECT_EQ(solution.evaluations, 0);
        }
    }
}

// A target that no value of the unknown meets to a millionth (the last digit of the unknown passes
// over it) is refused, with the nearest heat flow there is and where: that value's steady state
// gives it.
TEST(SteadyStateInverseTest, ATargetBetweenTwoNeighbouringValuesIsNotSolved) {
    const struct {
        const char* name;
        SurfaceGeometry shape;
        DesignUnknown unknown;
        double heatFlow;
        double tFluid;
    } cases[] = {
        {"an area for 1e-320 W", SurfaceGeometry::VerticalPlate, DesignUnknown::Area, 1e-320, 20},
        {"a sphere's temperature for 1e-300 W", SurfaceGeometry::Sphere, DesignUnknown::BodyTemperature, 1e-300, 800},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::FakeInputs inputs;
        inputs.values.shape = c.shape;
        ConvectionState start;
        start.tBody = 100;
        start.tFluid = c.tFluid;
        start.charLength = 0.1;
        start.area = 1;
        const DesignSolution solution = solveSteadyState(start, inputs, c.unknown, c.heatFlow);
        ASSERT_FALSE(solution.solved) << solution.value;
        EXPECT_NE(solution.message.find("s presnosťou 10^-6"), std::string::npos) << solution.message;
        EXPECT_EQ(solution.message.find("NAN"), std::string::npos) << solution.message;
        EXPECT_GT(std::fabs(solution.reachableHeatFlow - c.heatFlow), 1e-6 * c.heatFlow);
        ConvectionState there = start;
        (c.unknown == DesignUnknown::Area ? there.area : there.tBody) = solution.reachableValue;
        ASSERT_TRUE(calculateSteadyState(there, inputs).ok);
        EXPECT_EQ(signedHeatFlow(there), solution.reachableHeatFlow);
    }
}

}  // namespace
}  // namespace zav
