// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/alternatives.h"

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/steady_state.h"
#include "core/test_support.h"

namespace zav {
namespace {

using test::FakeInputs;

// The alternatives at points whose values the open heat-transfer library ht (C. Bell,
// ht.conv_free_immersed) gives in its documentation, some of them textbook examples
// (Incropera 6th ed., Example 9.2: Pr 0,69, Gr 2,63e9): independent numbers, not the formulas
// restated.
struct PublishedValue {
    const char* name;
    std::function<double()> nusselt;
    double expected;
};

const PublishedValue kPublished[] = {
    {"ChurchillChuPlateIncropera92", [] { return churchillChuPlateNusselt(0.69, 0.69 * 2.63e9); }, 147.16185223770603},
    {"MorganIncropera92", [] { return morganCylinderNusselt(0.69 * 2.63e9); }, 151.3881997228419},
    {"KuehnGoldsteinIncropera92", [] { return kuehnGoldsteinNusselt(0.69, 0.69 * 2.63e9); }, 122.99323525628186},
    {"ChurchillSphere", [] { return churchillSphereNusselt(0.7, 0.7 * 1e7); }, 25.670869440317578},
    {"McAdamsWeissSaunders", [] { return mcAdamsWeissSaundersNusselt(0.7 * 2e10); }, 313.31849434277973},
    {"PopielChurchill", [] { return popielChurchillNusselt(0.7, 0.7 * 1e10, 2.5); }, 228.8979005514989},
    {"McAdamsHorizontalRising", [] { return mcAdamsHorizontalNusselt(5.54 * 3.21e8, true); }, 181.73121274384457},
    {"McAdamsHorizontalHeldUnder", [] { return mcAdamsHorizontalNusselt(5.54 * 3.21e8, false); }, 55.44564799362829},
};

class PublishedValueTest : public ::testing::TestWithParam<PublishedValue> {};

TEST_P(PublishedValueTest, AgreesWithTheIndependentValue) {
    EXPECT_NEAR(GetParam().nusselt(), GetParam().expected, 1e-9 * GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Alternatives, PublishedValueTest, ::testing::ValuesIn(kPublished),
                         [](const ::testing::TestParamInfo<PublishedValue>& info) { return info.param.name; });

// The warnings of a passed calculation: each case with the beginning of every warning it must
// give, in order (none: no warning).
struct WarningCase {
    const char* name;
    double tBody, tFluid, length, area;
    std::function<void(FakeInputs&)> set;
    std::vector<std::string> starts;
};

const WarningCase kWarnings[] = {
    {"AirPlateNone", 100, 20, 0.1, 1, [](FakeInputs&) {}, {}},
    {"SphereAboveItsLaminarRange", 300, 20, 1, 1, [](FakeInputs& in) { in.values.shape = SurfaceGeometry::Sphere; },
     {"Pozor: Ra = 7,5e9 je mimo platnosti korelácie pre guľu (laminárna, Ra ≤ 1e9)"}},
    {"SphereInItsRange", 100, 20, 0.1, 1, [](FakeInputs& in) { in.values.shape = SurfaceGeometry::Sphere; }, {}},
    {"InclinedPlateBeyondItsSwitch", 100, 20, 2, 1,
     [](FakeInputs& in) {
         in.values.shape = SurfaceGeometry::InclinedPlate;
         in.values.angleDeg = 30;
     },
     {"Pozor: Ra = 4,3e10 je nad Ra_c = 1,1e8, kde sa korelácia naklonenej plochy mení"}},
    {"HorizontalPlateNearItsSwitch", 60, 20, 0.03, 1,
     [](FakeInputs& in) { in.values.shape = SurfaceGeometry::HorizontalPlate; },
     {"Pozor: Ra·f2 = 37000 je blízko 7e4, kde sa korelácia plochy, od ktorej tekutina voľne odchádza, mení; "
      "Nu tam skočí o −13 %."}},
    {"SlenderVerticalCylinder", 100, 20, 1, 0.004,
     [](FakeInputs& in) { in.values.shape = SurfaceGeometry::VerticalCylinder; },
     {"Pozor: člen zakrivenia valca 0,435·l/d = "}},
    {"StoutVerticalCylinder", 100, 20, 1, 1, [](FakeInputs& in) { in.values.shape = SurfaceGeometry::VerticalCylinder; },
     {}},
    {"WaterBoilsAtTheSurface", 150, 25, 0.1, 1, [](FakeInputs& in) { in.values.fluid = FluidKind::Water; },
     {"Pozor: povrch má 150 °C, voda pri 101 325 Pa vrie od 100 °C"}},
    {"WaterFreezesAtTheSurface", -5, 20, 0.1, 1, [](FakeInputs& in) { in.values.fluid = FluidKind::Water; },
     {"Pozor: povrch má -5 °C, voda mrzne pri 0 °C"}},
    {"WaterAtZeroAndRadiation", 40, 0, 0.1, 1,
     [](FakeInputs& in) {
         in.values.fluid = FluidKind::Water;
         in.values.radiationOn = true;
     },
     {"Pozor: voda má 0 °C, mrzne pri 0 °C", "Pozor: voda pohlcuje tepelné žiarenie"}},
};

class ResultWarningTest : public ::testing::TestWithParam<WarningCase> {};

TEST_P(ResultWarningTest, WarnsAsItMust) {
    const WarningCase& c = GetParam();
    FakeInputs in;
    c.set(in);
    ConvectionState state;
    state.tBody = c.tBody;
    state.tFluid = c.tFluid;
    state.charLength = c.length;
    state.area = c.area;
    ASSERT_TRUE(calculateSteadyState(state, in).ok);
    const std::vector<std::string> warnings = resultWarnings(state, in);
    ASSERT_EQ(warnings.size(), c.starts.size()) << (warnings.empty() ? std::string() : warnings.front());
    for (std::size_t i = 0; i < warnings.size(); ++i)
        EXPECT_EQ(warnings[i].rfind(c.starts[i], 0), 0u) << warnings[i];
    // The case's own numbers stay as they are; every alternative is a positive number.
    for (const AlternativeResult& a : alternativeResults(state, in))
        EXPECT_GT(a.alphaConv, 0) << a.id;
}

INSTANTIATE_TEST_SUITE_P(Results, ResultWarningTest, ::testing::ValuesIn(kWarnings),
                         [](const ::testing::TestParamInfo<WarningCase>& info) { return info.param.name; });

} // namespace
} // namespace zav
