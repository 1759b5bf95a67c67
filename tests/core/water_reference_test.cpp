// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/water_reference.h"

#include <cmath>

#include <gtest/gtest.h>

#include "core/test_support.h"
#include "core/water_reference_detail.h"

namespace zav {
namespace {

// The releases print their verification values to nine significant digits or more.
constexpr double kNineDigits = 1e-8;

// IAPWS-IF97, table 5 (region 1): T in K, p in Pa, v in m³/kg, cp in J/(kg·K).
struct Region1Case {
    double tK;
    double pressure;
    double volume;
    double heatCapacity;
};

constexpr Region1Case kRegion1Checks[] = {{300, 3e6, 0.100215168e-2, 4173.01218},
                                          {300, 80e6, 0.971180894e-3, 4010.08987},
                                          {500, 3e6, 0.120241800e-2, 4655.80682}};

TEST(WaterReferenceFormulations, Region1MatchesIf97CheckValues) {
    for (const Region1Case& c : kRegion1Checks) {
        SCOPED_TRACE(::testing::Message() << c.tK << " K, " << c.pressure << " Pa");
        const detail::WaterRegion1 r = detail::waterRegion1(c.tK, c.pressure);
        EXPECT_TRUE(test::relativelyNear(1 / r.density, c.volume, kNineDigits));
        EXPECT_TRUE(test::relativelyNear(r.heatCapacity, c.heatCapacity, kNineDigits));
    }
}

// T in K, ρ in kg/m³, then μ in µPa·s (IAPWS 2008, table 4, μ̄2 = 1) or λ in mW/(m·K)
// (IAPWS 2011, table 4, the values without the critical enhancement).
struct TransportCase {
    double tK;
    double density;
    double expected;
};

constexpr TransportCase kViscosityChecks[] = {
    {298.15, 998, 889.735100}, {298.15, 1200, 1437.649467}, {373.15, 1000, 307.883622}};

constexpr TransportCase kConductivityChecks[] = {
    {298.15, 0, 18.4341883}, {298.15, 998, 607.712868}, {298.15, 1200, 799.038144}, {873.15, 0, 79.1034659}};

TEST(WaterReferenceFormulations, ViscosityMatchesIapws2008CheckValues) {
    for (const TransportCase& c : kViscosityChecks) {
        SCOPED_TRACE(::testing::Message() << c.tK << " K, " << c.density << " kg/m³");
        EXPECT_TRUE(
            test::relativelyNear(detail::waterViscosity(c.tK, c.density) * 1e6, c.expected, kNineDigits));
    }
}

TEST(WaterReferenceFormulations, ConductivityMatchesIapws2011CheckValues) {
    for (const TransportCase& c : kConductivityChecks) {
        SCOPED_TRACE(::testing::Message() << c.tK << " K, " << c.density << " kg/m³");
        EXPECT_TRUE(
            test::relativelyNear(detail::waterConductivity(c.tK, c.density) * 1e3, c.expected, kNineDigits));
    }
}

// At 101 325 Pa, from python3-iapws 1.5.3 (Debian 12): IAPWS97(T=t+273.15, P=0.101325) with
// rho, cp·1000, alfav, mu, k, which evaluates the same formulations.
struct AtmosphereCase {
    double t;
    WaterReference expected;
};

constexpr AtmosphereCase kAtmosphere[] = {
    {0.01,
     {999.844983121529, 4219.39464818708, -6.75059912867321e-05, 0.00179112665822936, 0.555677107556617}},
    {10, {999.701540169502, 4195.44593973228, 8.81349325997045e-05, 0.00130590142064897, 0.578776128614911}},
    {25, {997.048031971739, 4181.89623352197, 0.000256911205331796, 0.000890022366964968, 0.606516577465769}},
    {60, {983.210610464962, 4182.76355031614, 0.000523133318211689, 0.000466043208066816, 0.651017960402891}},
    {99.9,
     {958.426184082092, 4216.51839911538, 0.000750473909127251, 0.000281880820217032, 0.677179201144292}}};

TEST(WaterReference, AgreesWithPythonIapwsAtOneAtmosphere) {
    for (const AtmosphereCase& c : kAtmosphere) {
        SCOPED_TRACE(::testing::Message() << c.t << " °C");
        const WaterReference w = waterReference(c.t);
        EXPECT_TRUE(test::relativelyNear(w.density, c.expected.density, test::kSameFormula));
        EXPECT_TRUE(test::relativelyNear(w.heatCapacity, c.expected.heatCapacity, test::kSameFormula));
        EXPECT_TRUE(test::relativelyNear(w.expansionCoeff, c.expected.expansionCoeff, test::kSameFormula));
        EXPECT_TRUE(test::relativelyNear(w.dynViscosity, c.expected.dynViscosity, test::kSameFormula));
        EXPECT_TRUE(test::relativelyNear(w.conductivity, c.expected.conductivity, test::kSameFormula));
    }
}

// Just outside the range the metastable liquid is still described; the conductivity alone is the
// full evaluation's value at every temperature.
TEST(WaterReference, IsFiniteJustOutsideTheRangeAndConductivityAloneAgrees) {
    for (double t :
         {kWaterReferenceMin - 1, kWaterReferenceMin, 37.5, kWaterReferenceMax, kWaterReferenceMax + 1}) {
        SCOPED_TRACE(::testing::Message() << t << " °C");
        const WaterReference w = waterReference(t);
        for (double value : {w.density, w.heatCapacity, w.expansionCoeff, w.dynViscosity, w.conductivity})
            EXPECT_TRUE(std::isfinite(value));
        EXPECT_EQ(waterReferenceConductivity(t), w.conductivity);
    }
}

} // namespace
} // namespace zav
