// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nusselt.h"

#include <cctype>
#include <cmath>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "core/test_support.h"

namespace zav {
namespace {

using test::FakeInputs;
using test::RecordingReporter;

// A state with Pr and Ra set directly (Gr = Ra/Pr) and a recognisable old Nusselt number.
ConvectionState numbers(double pr, double ra, double tBody = 100, double tFluid = 20) {
    ConvectionState s;
    s.prandtl = pr;
    s.rayleigh = ra;
    s.grashof = ra / pr;
    s.tBody = tBody;
    s.tFluid = tFluid;
    s.charLength = 0.1;
    s.area = 1;
    s.nusselt = -1;
    s.prandtlFactor = -1;
    return s;
}

FakeInputs shaped(SurfaceGeometry shape) {
    FakeInputs in;
    in.shape = shape;
    return in;
}

// A test name from a case's description.
std::string testName(std::string text) {
    for (char& ch : text) {
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    }
    return text;
}

// A Prandtl number so large that every Prandtl function is exactly 1, so that Ra·f = Ra.
constexpr double kUnitFactorPr = 1e300;

struct ReferenceCase {
    SurfaceGeometry shape;
    double nusselt; // published to five figures for Pr = 0.7, Ra = 10^6
};

void PrintTo(const ReferenceCase& c, std::ostream* os) { *os << "geometry " << static_cast<int>(c.shape); }

class ReferenceNusseltTest : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(ReferenceNusseltTest, PrandtlPointSevenRayleighMillion) {
    ConvectionState s = numbers(0.7, 1e6);
    computeNusselt(s, shaped(GetParam().shape));
    EXPECT_NEAR(s.nusselt, GetParam().nusselt, 0.0005);
}

INSTANTIATE_TEST_SUITE_P(Shapes, ReferenceNusseltTest,
                         ::testing::Values(ReferenceCase{SurfaceGeometry::VerticalPlate, 16.530},
                                           ReferenceCase{SurfaceGeometry::Cube, 24.442},
                                           ReferenceCase{SurfaceGeometry::HorizontalCylinder, 15.691},
                                           ReferenceCase{SurfaceGeometry::Sphere, 16.526}));

TEST(NusseltTest, VerticalPlateStoresItsPrandtlFunction) {
    ConvectionState s = numbers(0.7, 1e6);
    computeNusselt(s, shaped(SurfaceGeometry::VerticalPlate));
    EXPECT_NEAR(s.prandtlFactor, 0.34484, 0.000005);
}

TEST(NusseltTest, SphereLeavesThePrandtlFunction) {
    ConvectionState s = numbers(0.7, 1e6);
    computeNusselt(s, shaped(SurfaceGeometry::Sphere));
    EXPECT_EQ(s.prandtlFactor, -1);
}

TEST(NusseltTest, VerticalCylinderAddsCurvatureCorrection) {
    ConvectionState plate = numbers(0.7, 1e6);
    ConvectionState cylinder = numbers(0.7, 1e6);
    cylinder.charLength = 0.5;
    cylinder.area = 0.2;
    computeNusselt(plate, shaped(SurfaceGeometry::VerticalPlate));
    computeNusselt(cylinder, shaped(SurfaceGeometry::VerticalCylinder));
    // Diameter A/(l·3.1416); correction 0.435·l/diameter.
    const double diameter = 0.2 / (0.5 * 3.1416);
    EXPECT_NEAR(cylinder.nusselt - plate.nusselt, 0.435 * 0.5 / diameter, 1e-12);
}

TEST(NusseltTest, FinnedTubeUsesGapAndTubeDiameter) {
    ConvectionState s = numbers(0.7, 7e4);
    FakeInputs in = shaped(SurfaceGeometry::FinnedTube);
    in.gap = 0.004;
    in.diameter = 0.05;
    computeNusselt(s, in);
    EXPECT_NEAR(s.nusselt, 0.24 * std::pow(0.004 * 1e5 * 0.7 / 0.05, 0.33333), 1e-12);
    EXPECT_EQ(s.prandtlFactor, -1);
}

TEST(InclinedPlateTest, AtZeroDegreesBelowCriticalEqualsVerticalPlate) {
    ConvectionState vertical = numbers(0.7, 1e6);
    ConvectionState inclined = numbers(0.7, 1e6);
    computeNusselt(vertical, shaped(SurfaceGeometry::VerticalPlate));
    computeNusselt(inclined, shaped(SurfaceGeometry::InclinedPlate));
    EXPECT_EQ(inclined.nusselt, vertical.nusselt);
    EXPECT_EQ(inclined.rayleigh, 1e6);
}

TEST(InclinedPlateTest, AtZeroDegreesAboveCriticalUsesTheTurbulentForm) {
    const double ra = 1e9;
    const double raCritical = std::pow(10, 8.9); // about 7.943e8
    ConvectionState s = numbers(0.7, ra);
    computeNusselt(s, shaped(SurfaceGeometry::InclinedPlate));
    const double expected =
        0.56 * std::pow(raCritical, 0.25) + 0.13 * (std::pow(ra, 0.3333) - std::pow(raCritical, 0.3333));
    EXPECT_NEAR(s.nusselt, expected, 1e-9);
    EXPECT_EQ(s.rayleigh, ra);
    EXPECT_EQ(s.prandtlFactor, -1);
}

TEST(InclinedPlateTest, BelowCriticalTheRayleighNumberIsTiltedByTheCosine) {
    ConvectionState s = numbers(0.7, 1e6);
    FakeInputs in = shaped(SurfaceGeometry::InclinedPlate);
    in.angle = 30;
    computeNusselt(s, in);
    const double tilted = 1e6 * std::cos(30 * 3.141592 / 180);
    EXPECT_EQ(s.rayleigh, tilted);
    ConvectionState plate = numbers(0.7, tilted);
    computeNusselt(plate, shaped(SurfaceGeometry::VerticalPlate));
    EXPECT_EQ(s.nusselt, plate.nusselt);
}

TEST(InclinedPlateTest, AtNinetyDegreesTheCosineIsNotQuiteZero) {
    // Ra_c = 10^(8.9 - 0.00178·90^1.82), about 306.
    const double raCritical = std::pow(10, 8.9 - 0.00178 * std::pow(90, 1.82));
    EXPECT_NEAR(raCritical, 306, 1);
    const double cosine = std::cos(90 * 3.141592 / 180);
    EXPECT_NEAR(cosine, 3.27e-7, 0.01e-7);

    FakeInputs in = shaped(SurfaceGeometry::InclinedPlate);
    in.angle = 90;
    ConvectionState below = numbers(0.7, 100);
    computeNusselt(below, in);
    EXPECT_EQ(below.rayleigh, 100 * cosine);

    ConvectionState above = numbers(0.7, 1e6);
    computeNusselt(above, in);
    EXPECT_NEAR(above.nusselt,
                0.56 * std::pow(raCritical * cosine, 0.25) + 0.13 * (std::pow(1e6, 0.3333) - std::pow(raCritical, 0.3333)),
                1e-12);
}

struct HorizontalCase {
    const char* name;
    double tBody;
    double tFluid;
    PlatePosition position;
    double ra; // with Pr so large that f = f' = 1, x = Ra
    double nusselt;
};

void PrintTo(const HorizontalCase& c, std::ostream* os) { *os << c.name; }

class HorizontalPlateTest : public ::testing::TestWithParam<HorizontalCase> {};

TEST_P(HorizontalPlateTest, RuleByWarmerSideAndFace) {
    const HorizontalCase& c = GetParam();
    ConvectionState s = numbers(kUnitFactorPr, c.ra, c.tBody, c.tFluid);
    FakeInputs in = shaped(SurfaceGeometry::HorizontalPlate);
    in.position = c.position;
    computeNusselt(s, in);
    EXPECT_DOUBLE_EQ(s.nusselt, c.nusselt) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HorizontalPlateTest,
    ::testing::Values(
        HorizontalCase{"warm face up at 70000", 100, 20, PlatePosition::Upper, 70000, 0.766 * std::pow(70000, 0.2)},
        HorizontalCase{"warm face up above 70000", 100, 20, PlatePosition::Upper, 70000.001,
                       0.15 * std::pow(70000.001, 0.33333333)},
        HorizontalCase{"cold face down", 20, 100, PlatePosition::Lower, 5e5, 0.15 * std::pow(5e5, 0.33333333)},
        HorizontalCase{"cold face down, small x", 20, 100, PlatePosition::Lower, 500, 0.766 * std::pow(500, 0.2)},
        HorizontalCase{"warm face down", 100, 20, PlatePosition::Lower, 2000, 0.6 * std::pow(2000, 0.2)},
        HorizontalCase{"cold face up", 20, 100, PlatePosition::Upper, 1e9, 0.6 * std::pow(1e9, 0.2)},
        // No rule applies: the old Nusselt number stays.
        HorizontalCase{"cold face up, x 500", 20, 100, PlatePosition::Upper, 500, -1},
        HorizontalCase{"warm face down, x 10^10", 100, 20, PlatePosition::Lower, 1e10, -1},
        HorizontalCase{"equal temperatures", 50, 50, PlatePosition::Upper, 0, -1}),
    [](const auto& testInfo) { return testName(testInfo.param.name); });

TEST(HorizontalPlateTest, OppositeFaceReplacesThePrandtlFunction) {
    ConvectionState s = numbers(0.7, 1e6, 100, 20);
    FakeInputs in = shaped(SurfaceGeometry::HorizontalPlate);
    in.position = PlatePosition::Lower;
    computeNusselt(s, in);
    const double fPrime = std::pow(1 + std::pow(0.492 / 0.7, 0.5625), -1.777777);
    EXPECT_EQ(s.prandtlFactor, fPrime);
    EXPECT_NEAR(s.nusselt, 0.6 * std::pow(1e6 * fPrime, 0.2), 1e-12);
}

struct ValidityCase {
    const char* name;
    SurfaceGeometry shape;
    FluidKind fluid;
    PlatePosition position;
    double pr;
    double ra;
    double tBody;
    double tFluid;
    const char* message; // nullptr: passes
    const char* status;
};

void PrintTo(const ValidityCase& c, std::ostream* os) { *os << c.name; }

class CheckValidityTest : public ::testing::TestWithParam<ValidityCase> {};

TEST_P(CheckValidityTest, PassesOrRefusesWithItsTexts) {
    const ValidityCase& c = GetParam();
    ConvectionState s = numbers(c.pr, c.ra, c.tBody, c.tFluid);
    FakeInputs in = shaped(c.shape);
    in.fluid = c.fluid;
    in.position = c.position;
    computeNusselt(s, in);
    RecordingReporter reporter;
    const bool passed = checkValidity(s, in, reporter);
    ASSERT_EQ(reporter.statusTexts.size(), 1u) << c.name;
    if (c.message == nullptr) {
        EXPECT_TRUE(passed) << c.name;
        EXPECT_TRUE(reporter.messages.empty()) << c.name;
        EXPECT_EQ(reporter.statusTexts[0], "") << c.name;
    } else {
        EXPECT_FALSE(passed) << c.name;
        ASSERT_EQ(reporter.messages.size(), 1u) << c.name;
        EXPECT_EQ(reporter.messages[0], c.message) << c.name;
        EXPECT_EQ(reporter.statusTexts[0], c.status) << c.name;
    }
}

constexpr auto V = SurfaceGeometry::VerticalPlate;
constexpr auto I = SurfaceGeometry::InclinedPlate;
constexpr auto H = SurfaceGeometry::HorizontalPlate;
constexpr auto F = SurfaceGeometry::FinnedTube;
constexpr auto Up = PlatePosition::Upper;
constexpr auto Down = PlatePosition::Lower;
constexpr auto Air = FluidKind::Air;
constexpr auto Water = FluidKind::Water;
const char* const kPlateBox = "    Pre dané parametre nie je možný výpočet! \n                     0,1<Ra<10^12 ";
const char* const kPlateLine = "Pre dané parametre nie je možný výpočet! 0,1<Ra<10^12 !!!";
const char* const kHorizontalBox =
    "    Pre dané parametre nie je možný výpočet! \n                     1000<Ra*f_Pr<10^10 ";
const char* const kHorizontalLine = "Pre dané parametre nie je možný výpočet! 1000<Ra*f_Pr<10^10 !!!";
const char* const kFinnedBox = "    Pre dané parametre nie je možný výpočet! \n               1000<Ra<10^7   \n"
                               "  Kriteriálne rovnice sú známe iba pre vzduch!!!";
const char* const kFinnedLine = "Pre dané parametre nie je možný výpočet! 1000<Ra<10^7 !!!";

INSTANTIATE_TEST_SUITE_P(
    Bounds, CheckValidityTest,
    ::testing::Values(
        ValidityCase{"vertical at 0.1", V, Air, Up, 0.7, 0.1, 100, 20, nullptr, nullptr},
        ValidityCase{"vertical at 10^12", V, Air, Up, 0.7, 1e12, 100, 20, nullptr, nullptr},
        ValidityCase{"vertical at zero", V, Air, Up, 0.7, 0, 20, 20, kPlateBox, kPlateLine},
        ValidityCase{"vertical above 10^12", V, Air, Up, 0.7, 1.000001e12, 100, 20, kPlateBox, kPlateLine},
        ValidityCase{"inclined below 0.1", I, Air, Up, 0.7, 0.09, 100, 20, kPlateBox, kPlateLine},
        // At 0° the tilted Ra equals Ra; above Ra_c the test is made on the untouched Ra.
        ValidityCase{"inclined above 10^12", I, Air, Up, 0.7, 2e12, 100, 20, kPlateBox, kPlateLine},
        ValidityCase{"finned tube, air, Gr·Pr 1000", F, Air, Up, 0.5, 1000, 100, 20, nullptr, nullptr},
        ValidityCase{"finned tube, air, Gr·Pr 10^7", F, Air, Up, 0.5, 1e7, 100, 20, nullptr, nullptr},
        ValidityCase{"finned tube, air, Gr·Pr 999", F, Air, Up, 0.5, 999, 100, 20, kFinnedBox, kFinnedLine},
        ValidityCase{"finned tube, air, Gr·Pr above 10^7", F, Air, Up, 0.5, 1.1e7, 100, 20, kFinnedBox, kFinnedLine},
        ValidityCase{"finned tube, water, never refused", F, Water, Up, 7, 1, 40, 20, nullptr, nullptr},
        ValidityCase{"horizontal, warm up, never refused", H, Air, Up, 0.7, 1, 100, 20, nullptr, nullptr},
        ValidityCase{"horizontal, cold up, x 500", H, Air, Up, kUnitFactorPr, 500, 20, 100, kHorizontalBox,
                     kHorizontalLine},
        ValidityCase{"horizontal, warm down, in range", H, Air, Down, kUnitFactorPr, 5000, 100, 20, nullptr, nullptr},
        ValidityCase{"horizontal, warm down, above 10^10", H, Air, Down, kUnitFactorPr, 2e10, 100, 20,
                     kHorizontalBox, kHorizontalLine},
        // The formula runs on x = Ra·f, the check tests y = Ra·f' (Pr 0.7: f ≈ 0.401, f' ≈ 0.345).
        ValidityCase{"horizontal, warm down, x in range but y below", H, Air, Down, 0.7, 2700, 100, 20,
                     kHorizontalBox, kHorizontalLine},
        // Where no rule writes a Nusselt number, the check refuses rather than show an old one.
        ValidityCase{"horizontal, equal temperatures", H, Air, Up, 0.7, 0, 50, 50, kHorizontalBox, kHorizontalLine},
        ValidityCase{"horizontal, warm down, x exactly 1000", H, Air, Down, kUnitFactorPr, 1000, 100, 20,
                     kHorizontalBox, kHorizontalLine},
        ValidityCase{"horizontal, cold up, x exactly 10^10", H, Air, Up, kUnitFactorPr, 1e10, 20, 100,
                     kHorizontalBox, kHorizontalLine},
        ValidityCase{"cube, never refused", SurfaceGeometry::Cube, Air, Up, 0.7, 0, 20, 20, nullptr, nullptr}),
    [](const auto& testInfo) { return testName(testInfo.param.name); });

TEST(CheckValidityTest, HorizontalPlateWithFormulaRunAndYInRangePasses) {
    ConvectionState s = numbers(0.7, 1e6, 100, 20);
    FakeInputs in = shaped(H);
    in.position = Down;
    computeNusselt(s, in);
    RecordingReporter reporter;
    EXPECT_TRUE(checkValidity(s, in, reporter));
}

} // namespace
} // namespace zav
