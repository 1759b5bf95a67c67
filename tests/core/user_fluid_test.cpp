// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/user_fluid.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/test_support.h"

namespace zav {
namespace {

using test::agreesTo6Digits;
using test::RecordingReporter;

const std::string kLinearMean = "Stredná teplota je mimo rozsah platnosti aproximačnej rovnice lineárnej regresie!";
const std::string kLinearFluid = "Teplota tekutiny je mimo rozsah platnosti aproximačnej rovnice lineárnej regresie!";
const std::string kQuadraticMean = "Stredná teplota je mimo rozsah platnosti aproximačnej rovnice kvadratickej regresie!";
const std::string kQuadraticFluid =
    "Teplota tekutiny je mimo rozsah platnosti aproximačnej rovnice kvadratickej regresie!";
const std::string kKeloMean = "Stredná teplota je mimo rozsah platnosti aproximačnej rovnice programu KELO!";
const std::string kKeloFluid = "Teplota tekutiny je mimo rozsah platnosti aproximačnej rovnice programu KELO!";
const std::string kKeloPressure = "Tlak tekutiny je mimo rozsah platnosti aproximačnej rovnice programu KELO!";

ConvectionState at(double tBody, double tFluid) {
    ConvectionState s;
    s.tBody = tBody;
    s.tFluid = tFluid;
    s.tMean = (tBody + tFluid) * 0.5;
    return s;
}

// The default texts of the user-defined fluid window.
UserFluidModel defaults(ApproximationKind kind) {
    UserFluidModel m;
    m.kind = kind;
    m.dynViscosity = 1.7e-5;
    m.density = 1.2;
    m.conductivity = 0.024;
    m.heatCapacity = 1004;
    m.expansionCoeff = 3.4e-3;
    m.viscosityCoeffs = {1.7e-5, 4.05e-8, 0};
    m.densityCoeffs = {1.2, -0.0032, 0};
    m.conductivityCoeffs = {0.0237, 6.97e-5, 0};
    m.heatCapacityCoeffs = {1003.6, 0.067, 0};
    m.validTempMin = 0;
    m.validTempMax = 100;
    return m;
}

TEST(UserFluidTest, ConstantDefaultsAtAnyTemperature) {
    for (double t : {-500.0, 60.0, 5000.0}) {
        ConvectionState s = at(t, t);
        RecordingReporter reporter;
        computeUserFluidProperties(s, defaults(ApproximationKind::Constant), reporter);
        EXPECT_EQ(s.dynViscosity, 1.7e-5);
        EXPECT_EQ(s.density, 1.2);
        EXPECT_EQ(s.conductivity, 0.024);
        EXPECT_EQ(s.heatCapacity, 1004);
        EXPECT_EQ(s.expansionCoeff, 3.4e-3);
        EXPECT_TRUE(agreesTo6Digits(s.kinViscosity, 1.41667e-5));
        EXPECT_TRUE(reporter.messages.empty());
    }
}

class PolynomialDefaultsTest : public ::testing::TestWithParam<ApproximationKind> {};

TEST_P(PolynomialDefaultsTest, SixtyDegreesMeanTwentyFluid) {
    ConvectionState s = at(100, 20);
    RecordingReporter reporter;
    computeUserFluidProperties(s, defaults(GetParam()), reporter);
    EXPECT_TRUE(agreesTo6Digits(s.dynViscosity, 1.943e-5));
    EXPECT_TRUE(agreesTo6Digits(s.density, 1.008));
    EXPECT_TRUE(agreesTo6Digits(s.conductivity, 0.027882));
    EXPECT_TRUE(agreesTo6Digits(s.heatCapacity, 1007.62));
    EXPECT_TRUE(agreesTo6Digits(s.kinViscosity, 1.92758e-5));
    // The forward difference of a straight line is its slope: β = 0.0032/1.008.
    EXPECT_TRUE(test::relativelyNear(s.expansionCoeff, 0.0032 / 1.008, 1e-9));
    EXPECT_TRUE(reporter.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, PolynomialDefaultsTest,
                         ::testing::Values(ApproximationKind::Linear, ApproximationKind::Quadratic));

TEST(UserFluidTest, QuadraticTermAndItsForwardDifference) {
    UserFluidModel m = defaults(ApproximationKind::Quadratic);
    m.densityCoeffs = {1000, -0.05, -0.004};
    m.viscosityCoeffs = {1e-3, -2e-5, 1e-7};
    ConvectionState s = at(50, 30);
    RecordingReporter reporter;
    computeUserFluidProperties(s, m, reporter);
    auto rho = [](double t) { return 1000 - 0.05 * t - 0.004 * t * t; };
    EXPECT_TRUE(test::relativelyNear(s.density, rho(40), test::kSameFormula));
    EXPECT_TRUE(test::relativelyNear(s.dynViscosity, 1e-3 - 2e-5 * 40 + 1e-7 * 1600, test::kSameFormula));
    // Step 0.2 K, multiplied by 5.
    EXPECT_TRUE(test::relativelyNear(s.expansionCoeff, -(rho(40.2) - rho(40)) * 5 / rho(40), 1e-9));
}

struct RangeCase {
    const char* name;
    ApproximationKind kind;
    double tBody;
    double tFluid;
    double min;
    double max;
    std::vector<std::string> messages;
};

void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.name; }

class RangeWarningTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RangeWarningTest, WarnsAndComputesOn) {
    const RangeCase& c = GetParam();
    UserFluidModel m = defaults(c.kind);
    m.validTempMin = c.min;
    m.validTempMax = c.max;
    ConvectionState s = at(c.tBody, c.tFluid);
    RecordingReporter reporter;
    computeUserFluidProperties(s, m, reporter);
    EXPECT_EQ(reporter.messages, c.messages);
    EXPECT_TRUE(reporter.statusTexts.empty());
    // Extrapolated all the same.
    EXPECT_TRUE(test::relativelyNear(s.density, 1.2 - 0.0032 * s.tMean, 1e-12));
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, RangeWarningTest,
    ::testing::Values(RangeCase{"fluid below, mean inside", ApproximationKind::Linear, 25, -5, 0, 100, {kLinearFluid}},
                      RangeCase{"mean on the lower bound", ApproximationKind::Linear, 0, 0, 0, 100, {}},
                      RangeCase{"mean on the upper bound", ApproximationKind::Quadratic, 100, 100, 0, 100, {}},
                      RangeCase{"both above", ApproximationKind::Quadratic, 300, 150, 0, 100,
                                {kQuadraticMean, kQuadraticFluid}},
                      RangeCase{"minimum above maximum", ApproximationKind::Linear, 60, 50, 100, 0,
                                {kLinearMean, kLinearFluid}},
                      RangeCase{"mean above only", ApproximationKind::Quadratic, 190, 20, 0, 100, {kQuadraticMean}}));

// A mixture whose every polynomial uses all six terms.
UserFluidModel keloMixture() {
    UserFluidModel m;
    m.kind = ApproximationKind::KELO;
    m.viscosityCoeffs = {5.0, 1e-7, 0.05, 1e-10, 1e-15, -1e-5};
    m.compressibilityCoeffs = {1.0, -2e-9, 1e-5, 1e-12, 1e-17, -1e-8};
    m.conductivityCoeffs = {2.0, 1e-7, 0.07, 1e-11, 1e-16, -1e-5};
    m.heatCapacityCoeffs = {950, 1e-5, 0.2, 1e-8, 1e-13, -1e-4};
    m.gasPressure = 5;
    m.validTempMin = 0;
    m.validTempMax = 200;
    m.validPressureMin = 0.1;
    m.validPressureMax = 10;
    m.gasConstant = 296.8;
    return m;
}

double keloPolynomial(const std::array<double, 6>& a, double p, double T) {
    return a[0] + a[1] * p + a[2] * T + a[3] * p * T + a[4] * p * p + a[5] * T * T;
}

TEST(KeloModelTest, PropertiesFromThePressureTemperaturePolynomials) {
    const UserFluidModel m = keloMixture();
    ConvectionState s = at(100, 20);
    RecordingReporter reporter;
    computeUserFluidProperties(s, m, reporter);
    const double p = 5e6;
    const double T = 60 + 273.15;
    auto rho = [&](double temperature) {
        return p / (keloPolynomial(m.compressibilityCoeffs, p, temperature) * temperature * 296.8);
    };
    const double tolerance = 1e-12;
    EXPECT_TRUE(test::relativelyNear(s.dynViscosity, keloPolynomial(m.viscosityCoeffs, p, T) * 1e-6, tolerance));
    EXPECT_TRUE(test::relativelyNear(s.density, rho(T), tolerance));
    EXPECT_TRUE(test::relativelyNear(s.conductivity, keloPolynomial(m.conductivityCoeffs, p, T) * 0.001, tolerance));
    EXPECT_TRUE(test::relativelyNear(s.heatCapacity, keloPolynomial(m.heatCapacityCoeffs, p, T), tolerance));
    EXPECT_TRUE(test::relativelyNear(s.kinViscosity, s.dynViscosity / s.density, tolerance));
    EXPECT_TRUE(test::relativelyNear(s.expansionCoeff, -(rho(T + 0.2) - rho(T)) * 5 / rho(T), 1e-9));
    EXPECT_TRUE(reporter.messages.empty());
}

TEST(KeloModelTest, IdealGasExpansionIsOneOverTheShiftedTemperature) {
    UserFluidModel m = keloMixture();
    m.compressibilityCoeffs = {1, 0, 0, 0, 0, 0};
    ConvectionState s = at(40, 20);
    RecordingReporter reporter;
    computeUserFluidProperties(s, m, reporter);
    // With Z = 1: ρ(T+0.2)/ρ(T) = T/(T+0.2), so β = 1/(T+0.2).
    EXPECT_TRUE(test::relativelyNear(s.expansionCoeff, 1 / (30 + 273.15 + 0.2), 1e-9));
}

TEST(KeloModelTest, PressureOnABoundIsInside) {
    UserFluidModel m = keloMixture();
    m.gasPressure = 10;
    ConvectionState s = at(60, 20);
    RecordingReporter reporter;
    computeUserFluidProperties(s, m, reporter);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST(KeloModelTest, ThreeWarningsInTheirOrder) {
    UserFluidModel m = keloMixture();
    m.gasPressure = 0.05;
    ConvectionState s = at(500, 300);
    RecordingReporter reporter;
    computeUserFluidProperties(s, m, reporter);
    EXPECT_EQ(reporter.messages, (std::vector<std::string>{kKeloMean, kKeloFluid, kKeloPressure}));
    EXPECT_GT(s.density, 0);
}

TEST(KeloModelTest, ZeroGasConstantGivesNonFiniteValuesWithoutFailing) {
    UserFluidModel m = keloMixture();
    m.gasConstant = 0;
    ConvectionState s = at(60, 20);
    RecordingReporter reporter;
    computeUserFluidProperties(s, m, reporter);
    EXPECT_TRUE(std::isinf(s.density));
    EXPECT_FALSE(std::isfinite(s.expansionCoeff));
    EXPECT_EQ(s.kinViscosity, 0);
}

TEST(UserFluidTest, ZeroDensityGivesInfiniteKinematicViscosity) {
    UserFluidModel m = defaults(ApproximationKind::Constant);
    m.density = 0;
    ConvectionState s = at(60, 20);
    RecordingReporter reporter;
    computeUserFluidProperties(s, m, reporter);
    EXPECT_TRUE(std::isinf(s.kinViscosity));
}

} // namespace
} // namespace zav
