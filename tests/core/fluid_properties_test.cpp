// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fluid_properties.h"

#include <ostream>

#include <gtest/gtest.h>

#include "core/test_support.h"

namespace zav {
namespace {

using test::agreesTo6Digits;

ConvectionState stateAt(double tMean, double tFluid) {
    ConvectionState s;
    s.tMean = tMean;
    s.tFluid = tFluid;
    return s;
}

// Only the listed properties are published for a point; 0 means "not given".
struct PropertyCase {
    FluidKind fluid;
    double tMean;
    double tFluid;
    double kinViscosity;
    double density;
    double dynViscosity;
    double conductivity;
    double heatCapacity;
    double expansionCoeff;
};

void expectProperties(const ConvectionState& s, const PropertyCase& c) {
    const std::pair<double, double> pairs[] = {
        {s.kinViscosity, c.kinViscosity}, {s.density, c.density},           {s.dynViscosity, c.dynViscosity},
        {s.conductivity, c.conductivity}, {s.heatCapacity, c.heatCapacity}, {s.expansionCoeff, c.expansionCoeff},
    };
    for (const auto& [actual, expected] : pairs) {
        if (expected != 0) {
            EXPECT_TRUE(agreesTo6Digits(actual, expected)) << "at tMean " << c.tMean;
        }
    }
}

void PrintTo(const PropertyCase& c, std::ostream* os) {
    *os << (c.fluid == FluidKind::Air ? "air" : "water") << " tMean " << c.tMean << " tFluid " << c.tFluid;
}

class PropertiesTest : public ::testing::TestWithParam<PropertyCase> {};

TEST_P(PropertiesTest, MatchesPublishedValues) {
    ConvectionState s = stateAt(GetParam().tMean, GetParam().tFluid);
    test::RecordingReporter reporter;
    computeFluidProperties(s, GetParam().fluid, PropertyModel::Builtin, {}, reporter);
    expectProperties(s, GetParam());
}

constexpr auto Air = FluidKind::Air;
constexpr auto Water = FluidKind::Water;

INSTANTIATE_TEST_SUITE_P(
    Published, PropertiesTest,
    ::testing::Values(
        // Air, low interval at 60 °C; β at the fluid's 20 °C.
        PropertyCase{Air, 60, 20, 1.89045e-5, 1.05683, 1.99787e-5, 0.0280913, 1006.53, 3.41122e-3},
        // The seams belong to the wide interval; the sets do not join continuously.
        PropertyCase{Air, 106, 20, 2.39008e-5, 0.946487, 0, 0, 0, 0},
        PropertyCase{Air, 105.999, 20, 2.3683e-5, 0.934483, 0, 0, 0, 0},
        PropertyCase{Air, -33, 20, 8.17312e-6, 0, 0, 0, 0, 0}, PropertyCase{Air, -32.999, 20, 1.05126e-5, 0, 0, 0, 0, 0},
        PropertyCase{Air, 2226, 20, 5.44464e-4, 0.168414, 0, 0, 1277.07, 0},
        // Water at 30 °C with λ at the fluid's 20 °C.
        PropertyCase{Water, 30, 20, 8.01719e-7, 995.650, 7.98231e-4, 0.595276, 4178.31, 3.02897e-4},
        // Below about 3.98 °C water contracts when warmed: β is negative.
        PropertyCase{Water, 0, 0, 0, 999.8415, 1.77625e-3, 0.5565, 4220.2, -6.65922e-5},
        PropertyCase{Water, 100, 20, 0, 958.350, 3.03582e-4, 0, 0, 0}));

TEST(AirPropertiesTest, LowerEndOfTheRangeUsesTheWideSet) {
    ConvectionState s = stateAt(-73, -73);
    computeAirProperties(s);
    // The wide set's viscosity fit at -73 °C, evaluated with Python's exact decimals (the low set's
    // would give 7.42529e-6); β of an ideal gas at 200.15 K.
    EXPECT_TRUE(test::relativelyNear(s.kinViscosity, 4.06682269e-6, test::kSameFormula));
    EXPECT_TRUE(test::relativelyNear(s.expansionCoeff, 4.996252810392206e-3, test::kSameFormula));
}

TEST(AirPropertiesTest, ExpansionDependsOnTheFluidTemperatureOnly) {
    ConvectionState a = stateAt(40, 20);
    ConvectionState b = stateAt(90, 20);
    computeAirProperties(a);
    computeAirProperties(b);
    EXPECT_EQ(a.expansionCoeff, b.expansionCoeff);
    EXPECT_NE(a.kinViscosity, b.kinViscosity);
}

struct OutOfRangeCase {
    FluidKind fluid;
    double tMean;
};

void PrintTo(const OutOfRangeCase& c, std::ostream* os) {
    *os << (c.fluid == FluidKind::Air ? "air " : "water ") << c.tMean;
}

class OutOfRangeTest : public ::testing::TestWithParam<OutOfRangeCase> {};

TEST_P(OutOfRangeTest, WritesNothing) {
    ConvectionState s = stateAt(GetParam().tMean, 20);
    s.kinViscosity = 11;
    s.dynViscosity = 12;
    s.density = 13;
    s.conductivity = 14;
    s.heatCapacity = 15;
    s.expansionCoeff = 16;
    test::RecordingReporter reporter;
    computeFluidProperties(s, GetParam().fluid, PropertyModel::Builtin, {}, reporter);
    EXPECT_EQ(s.kinViscosity, 11);
    EXPECT_EQ(s.dynViscosity, 12);
    EXPECT_EQ(s.density, 13);
    EXPECT_EQ(s.conductivity, 14);
    EXPECT_EQ(s.heatCapacity, 15);
    EXPECT_EQ(s.expansionCoeff, 16);
}

INSTANTIATE_TEST_SUITE_P(Bounds, OutOfRangeTest,
                         ::testing::Values(OutOfRangeCase{Air, -73.5}, OutOfRangeCase{Air, 2226.5},
                                           OutOfRangeCase{Water, -0.5}, OutOfRangeCase{Water, 100.5}));

TEST(WaterPropertiesTest, ConductivityFollowsTheFluidTemperatureOnly) {
    ConvectionState a = stateAt(30, 20);
    ConvectionState b = stateAt(50, 20);
    computeWaterProperties(a);
    computeWaterProperties(b);
    EXPECT_EQ(a.conductivity, b.conductivity);
    EXPECT_NE(a.density, b.density);
    EXPECT_NE(a.dynViscosity, b.dynViscosity);
    EXPECT_NE(a.heatCapacity, b.heatCapacity);
    EXPECT_NE(a.expansionCoeff, b.expansionCoeff);
    // Outside 0..100 °C the conductivity polynomial is simply extrapolated: at 150 °C it gives
    // 0.6784275 exactly (Python's exact decimals).
    ConvectionState hot = stateAt(90, 150);
    computeWaterProperties(hot);
    EXPECT_TRUE(test::relativelyNear(hot.conductivity, 0.6784275, test::kSameFormula));
}

} // namespace
} // namespace zav
