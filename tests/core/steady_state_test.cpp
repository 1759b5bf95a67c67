// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/steady_state.h"

#include <ostream>

#include <gtest/gtest.h>

#include "core/test_support.h"

namespace zav {
namespace {

using test::FakeInputs;
using test::RecordingReporter;
using test::relativelyNear;

ConvectionState inputs(double tBody, double tFluid, double charLength = 0.1, double area = 1) {
    ConvectionState s;
    s.tBody = tBody;
    s.tFluid = tFluid;
    s.charLength = charLength;
    s.area = area;
    return s;
}

TEST(SteadyStateTest, DefaultsOfTheMainWindow) {
    // Air, vertical plate, 100 °C body, 20 °C fluid, l = 0.1 m, A = 1 m², no radiation. Expected,
    // computed with Python: the air fits at 60 °C in exact decimals (ν 1.89044864e-5 m²/s,
    // ρ 1.0568252 kg/m³, λ 0.028091272 W/(m·K), c_p 1006.529924 J/(kg·K)), β = 1/293.15 K of an
    // ideal gas, Pr = ν·ρ·c_p/λ, Gr = l³·g·β·ΔT/ν² with standard gravity 9.80665 m/s², Churchill–Chu
    // (1975) for the vertical plate in its published form with mpmath, α = Nu·λ/l, Q = α·A·ΔT.
    ConvectionState s = inputs(100, 20);
    FakeInputs in;
    const SteadyOutcome outcome = calculateSteadyState(s, in);
    ASSERT_TRUE(outcome.ok);
    EXPECT_EQ(s.tMean, 60);
    EXPECT_TRUE(relativelyNear(s.prandtl, 0.7158521429309285, test::kSameFormula));
    EXPECT_TRUE(relativelyNear(s.grashof, 7488433.859, test::kDecimalFractions));
    EXPECT_TRUE(relativelyNear(s.rayleigh, 5360611.425, test::kDecimalFractions));
    EXPECT_TRUE(relativelyNear(s.nusselt, 26.20899395, test::kDecimalFractions));
    EXPECT_TRUE(relativelyNear(s.alphaConv, 7.362439780, test::kDecimalFractions));
    EXPECT_EQ(s.alphaRad, 0);
    EXPECT_EQ(s.alphaTotal, s.alphaConv);
    EXPECT_TRUE(relativelyNear(s.heatFlow, 588.9951824, test::kDecimalFractions));
    // Published rounding of the same point: Pr 0,716, Nu 26,2092, alpha 7,362, heat flow 589,00.
    EXPECT_NEAR(s.nusselt, 26.2092, 0.00005);
    EXPECT_NEAR(s.heatFlow, 589.00, 0.005);
    EXPECT_TRUE(outcome.warnings.empty());
    EXPECT_EQ(outcome.message, "");
    EXPECT_EQ(outcome.statusText, "");
}

struct MeanTemperatureCase {
    FluidKind fluid;
    double tBody;
    double tFluid;
    const char* message; // nullptr: passes
    PropertyModel model = PropertyModel::Builtin;
};

void PrintTo(const MeanTemperatureCase& c, std::ostream* os) {
    *os << "fluid " << static_cast<int>(c.fluid) << " body " << c.tBody << " fluid " << c.tFluid
        << (c.model == PropertyModel::Reference ? " reference" : "");
}

class MeanTemperatureTest : public ::testing::TestWithParam<MeanTemperatureCase> {};

TEST_P(MeanTemperatureTest, BoundsAreInclusive) {
    const MeanTemperatureCase& c = GetParam();
    ConvectionState s = inputs(c.tBody, c.tFluid);
    s.tMean = (c.tBody + c.tFluid) * 0.5;
    const char* problem = meanTemperatureProblem(s, c.fluid, c.model);
    if (c.message == nullptr)
        EXPECT_EQ(problem, nullptr);
    else
        EXPECT_STREQ(problem, c.message);
}

constexpr PropertyModel kReference = PropertyModel::Reference;
const char* const kWaterRange = "Stredná teplota musí byť v rozsahu 0 až 100°C !!!";
const char* const kAirRange = "Stredná teplota musí byť v rozsahu -73 až 2226°C !!!";

INSTANTIATE_TEST_SUITE_P(
    Fluids, MeanTemperatureTest,
    ::testing::Values(MeanTemperatureCase{FluidKind::Water, 110, 90, nullptr},
                      MeanTemperatureCase{FluidKind::Water, 110, 92, kWaterRange},
                      MeanTemperatureCase{FluidKind::Water, 0, 0, nullptr},
                      MeanTemperatureCase{FluidKind::Water, -1, 0, kWaterRange},
                      MeanTemperatureCase{FluidKind::Air, -100, -46, nullptr},
                      MeanTemperatureCase{FluidKind::Air, -100, -47, kAirRange},
                      MeanTemperatureCase{FluidKind::Air, 4432, 20, nullptr},
                      MeanTemperatureCase{FluidKind::Air, 4433, 20, kAirRange},
                      MeanTemperatureCase{FluidKind::UserDefined, 1e6, -1e6 + 10, nullptr},
                      MeanTemperatureCase{FluidKind::UserDefined, -1e4, -1e4, nullptr},
                      // The reference equations end at 2000 K and need the fluid temperature in
                      // their range too (air's β, water's λ are taken there).
                      MeanTemperatureCase{FluidKind::Air, 1726.85, 1726.85, nullptr, kReference},
                      MeanTemperatureCase{FluidKind::Air, 1726.87, 1726.85, kAirReferenceMeanTemperatureMessage, kReference},
                      MeanTemperatureCase{FluidKind::Air, -73, -73, nullptr, kReference},
                      MeanTemperatureCase{FluidKind::Air, 0, -73.01, kAirReferenceFluidTemperatureMessage, kReference},
                      MeanTemperatureCase{FluidKind::Air, 0, 1726.86, kAirReferenceFluidTemperatureMessage, kReference},
                      MeanTemperatureCase{FluidKind::Water, 100, 100, nullptr, kReference},
                      MeanTemperatureCase{FluidKind::Water, 110, 92, kWaterRange, kReference},
                      MeanTemperatureCase{FluidKind::Water, 60, -0.5, kWaterReferenceFluidTemperatureMessage, kReference},
                      MeanTemperatureCase{FluidKind::UserDefined, 1e6, 0, nullptr, kReference}));

TEST(SteadyStateTest, MeanTemperatureFailureStopsBeforeTheProperties) {
    ConvectionState s = inputs(110, 92);
    s.density = 42;
    FakeInputs in;
    in.values.fluid = FluidKind::Water;
    const SteadyOutcome outcome = calculateSteadyState(s, in);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(s.tMean, 101);
    EXPECT_EQ(s.density, 42);
    EXPECT_EQ(outcome.message, kWaterRange);
    EXPECT_EQ(outcome.statusText, kWaterRange);
}

TEST(SteadyStateTest, FailedValidityKeepsTheComputedNumbersButNoCoefficient) {
    ConvectionState s = inputs(20, 20); // Ra = 0 on the vertical plate
    s.alphaConv = 5;
    s.alphaTotal = 6;
    s.heatFlow = 7;
    FakeInputs in;
    const SteadyOutcome outcome = calculateSteadyState(s, in);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(s.rayleigh, 0);
    EXPECT_GT(s.density, 1);
    EXPECT_EQ(s.alphaConv, 5);
    EXPECT_EQ(s.alphaTotal, 6);
    EXPECT_EQ(s.heatFlow, 7);
    EXPECT_EQ(outcome.statusText, "Pre dané parametre nie je možný výpočet! 0,1<Ra<10^12 !!!");
}

TEST(SteadyStateTest, BodyColderThanFluidGivesTheSameDifferenceMagnitude) {
    // |ΔT| enters Gr and the heat flow; air's β is taken at the fluid temperature, so a swap of the
    // two temperatures is not symmetric, but a colder body with the same fluid mirrors a warmer one.
    ConvectionState warm = inputs(80, 60);
    ConvectionState cold = inputs(40, 60);
    FakeInputs in;
    in.values.shape = SurfaceGeometry::Sphere;
    RecordingReporter reporter;
    evaluatePoint(warm, in, reporter);
    evaluatePoint(cold, in, reporter);
    EXPECT_GT(cold.grashof, 0);
    EXPECT_GT(cold.heatFlow, 0);
    EXPECT_EQ(warm.expansionCoeff, cold.expansionCoeff);
}

TEST(RadiationTest, LinearisedStefanBoltzmann) {
    ConvectionState s = inputs(100, 20);
    s.emissivity = 0.8;
    s.alphaConv = 3;
    applyRadiation(s, true);
    EXPECT_NEAR(s.alphaRad, 6.806, 0.0005);
    EXPECT_EQ(s.alphaTotal, 3 + s.alphaRad);
    // σε(Tb⁴ - Tf⁴)/(Tb - Tf) with σ = 5.67e-8 W/(m²·K⁴), ε = 0.8, 373.15 K and 293.15 K, in exact decimals.
    EXPECT_TRUE(relativelyNear(s.alphaRad, 6.80563287488196, test::kSameFormula));
}

TEST(RadiationTest, EqualTemperaturesAreDefined) {
    ConvectionState s = inputs(20, 20);
    s.emissivity = 0.8;
    applyRadiation(s, true);
    EXPECT_NEAR(s.alphaRad, 4.571, 0.0005);
    // The limit 4σεT³ at 293.15 K, in exact decimals.
    EXPECT_TRUE(relativelyNear(s.alphaRad, 4.57091065827396, test::kSameFormula));
}

TEST(RadiationTest, OffClearsAnEarlierRadiativePart) {
    ConvectionState s = inputs(100, 20);
    s.emissivity = 0.8;
    s.alphaConv = 3;
    applyRadiation(s, true);
    ASSERT_GT(s.alphaRad, 0);
    applyRadiation(s, false);
    EXPECT_EQ(s.alphaRad, 0);
    EXPECT_EQ(s.alphaTotal, 3);
}

TEST(RadiationTest, HeatFlowIncludesRadiationAndReadsEmissivityAgain) {
    ConvectionState off = inputs(100, 20);
    ConvectionState on = inputs(100, 20);
    on.emissivity = 0.1; // the window's field says 0,8 by the time radiation is applied
    FakeInputs in;
    ASSERT_TRUE(calculateSteadyState(off, in).ok);
    in.values.radiationOn = true;
    ASSERT_TRUE(calculateSteadyState(on, in).ok);
    EXPECT_EQ(on.emissivity, 0.8);
    EXPECT_NEAR(on.alphaRad, 6.806, 0.0005);
    EXPECT_TRUE(relativelyNear(on.heatFlow - off.heatFlow, 80 * 1 * on.alphaRad, 1e-12));
}

TEST(RadiationTest, CubeWithEqualTemperaturesPassesWithZeroHeatFlow) {
    ConvectionState s = inputs(20, 20);
    FakeInputs in;
    in.values.shape = SurfaceGeometry::Cube;
    in.values.radiationOn = true;
    ASSERT_TRUE(calculateSteadyState(s, in).ok);
    EXPECT_NEAR(s.alphaRad, 4.571, 0.0005);
    EXPECT_EQ(s.heatFlow, 0);
}

TEST(EvaluatePointTest, MakesNoChecksAndKeepsPropertiesOutsideTheRange) {
    ConvectionState s = inputs(100, 20);
    FakeInputs in;
    RecordingReporter reporter;
    evaluatePoint(s, in, reporter);
    const double density = s.density;
    s.tBody = 5000; // mean 2510 °C: beyond the air model
    evaluatePoint(s, in, reporter);
    EXPECT_EQ(s.tMean, 2510);
    EXPECT_EQ(s.density, density);
    EXPECT_GT(s.heatFlow, 0);
}

TEST(EvaluatePointTest, NonNumericGeometryInputStopsInsideTheEvaluation) {
    struct Failing : FakeInputs {
        double inclinationDeg() const override { throw std::runtime_error("angle"); }
    } in;
    in.values.shape = SurfaceGeometry::InclinedPlate;
    ConvectionState s = inputs(100, 20);
    RecordingReporter reporter;
    EXPECT_THROW(evaluatePoint(s, in, reporter), std::runtime_error);
    EXPECT_GT(s.prandtl, 0); // the properties and numbers before it were computed
    EXPECT_EQ(s.alphaConv, 0);
}

// A water-like user-defined fluid of linear polynomials that hold from `low` to `high` °C.
UserFluidModel linearWater(double low, double high) {
    UserFluidModel model = test::constantFluid();
    model.kind = ApproximationKind::Linear;
    model.viscosityCoeffs = {1e-3};
    model.densityCoeffs = {1000, -0.2};
    model.conductivityCoeffs = {0.6};
    model.heatCapacityCoeffs = {4180};
    model.validTempMin = low;
    model.validTempMax = high;
    return model;
}

// A user-defined fluid outside its polynomials' range, at equal temperatures on the vertical plate:
// both warnings in the order they come, then the failed check's texts.
TEST(SteadyOutcomeTest, WarningsInOrderThenTheFailedCheck) {
    ConvectionState s = inputs(20, 20);
    FakeInputs in;
    in.values.fluid = FluidKind::UserDefined;
    in.values.userFluid = linearWater(50, 90);
    const SteadyOutcome outcome = calculateSteadyState(s, in);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.warnings,
              (std::vector<std::string>{"Stredná teplota je mimo rozsah platnosti aproximačnej rovnice lineárnej regresie!",
                                        "Teplota tekutiny je mimo rozsah platnosti aproximačnej rovnice lineárnej regresie!"}));
    EXPECT_EQ(outcome.message, "    Pre dané parametre nie je možný výpočet! \n                     0,1<Ra<10^12 ");
    EXPECT_EQ(outcome.statusText, "Pre dané parametre nie je možný výpočet! 0,1<Ra<10^12 !!!");
}

// An input that throws after the fluid's warnings leaves them in the outcome being written.
TEST(SteadyOutcomeTest, AnInputThatThrowsKeepsTheWarningsBeforeIt) {
    struct Failing : FakeInputs {
        double inclinationDeg() const override { throw ConversionError("angle"); }
    } in;
    in.values.shape = SurfaceGeometry::InclinedPlate;
    in.values.fluid = FluidKind::UserDefined;
    in.values.userFluid = linearWater(0, 50);
    ConvectionState s = inputs(100, 20);
    SteadyOutcome outcome;
    EXPECT_THROW(calculateSteadyState(s, in, outcome), ConversionError);
    EXPECT_EQ(outcome.warnings,
              std::vector<std::string>{"Stredná teplota je mimo rozsah platnosti aproximačnej rovnice lineárnej regresie!"});
}

} // namespace
} // namespace zav
