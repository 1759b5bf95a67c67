// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/sweep_range.h"

#include <ostream>

#include <gtest/gtest.h>

namespace zav {
namespace {

struct CountCase {
    double tMin;
    double tMax;
    double tStep;
    long long points;
};

void PrintTo(const CountCase& c, std::ostream* os) { *os << c.tMin << ".." << c.tMax << " by " << c.tStep; }

class PointCountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(PointCountTest, TruncatesWithATinyTolerance) {
    const CountCase& c = GetParam();
    const SweepRange range{c.tMin, c.tMax, c.tStep};
    ASSERT_FALSE(rangeProblem(range).has_value());
    EXPECT_EQ(sweepPointCount(range), c.points);
    if (c.points > 0) {
        // No point lies above the maximum (beyond the tolerance).
        EXPECT_LE(sweepPoint(range, c.points - 1), c.tMax + 1e-6 * c.tStep);
    }
}

INSTANTIATE_TEST_SUITE_P(Ranges, PointCountTest,
                         ::testing::Values(CountCase{0, 100, 5, 21}, CountCase{0, 100, 30, 4}, CountCase{5, 5, 1, 1},
                                           CountCase{10, 0, 5, 0}, CountCase{0, 0.3, 0.1, 4},
                                           CountCase{-20, 20, 0.1, 401}, CountCase{0, 1, 0.3, 4},
                                           CountCase{0, 999999, 1, 1000000}, CountCase{0, 1e-9, 1, 1}));

TEST(SweepPointTest, StepTimesIndexPlusMinimum) {
    const SweepRange range{-10, 10, 2.5};
    EXPECT_EQ(sweepPoint(range, 0), -10);
    EXPECT_EQ(sweepPoint(range, 3), -2.5);
    EXPECT_EQ(sweepPoint(range, 8), 10);
}

struct ProblemCase {
    double tMin;
    double tMax;
    double tStep;
    const char* message;
};

void PrintTo(const ProblemCase& c, std::ostream* os) { *os << c.tMin << ".." << c.tMax << " by " << c.tStep; }

class RangeProblemTest : public ::testing::TestWithParam<ProblemCase> {};

TEST_P(RangeProblemTest, IsExplained) {
    const ProblemCase& c = GetParam();
    const auto problem = rangeProblem({c.tMin, c.tMax, c.tStep});
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(*problem, c.message);
}

const char* const kStep = "Krok teploty povrchu musí byť väčší ako nula; rozsah sa nevypočíta.";
const char* const kTooMany = "Rozsah teplôt povrchu by mal viac ako 1 000 000 bodov; rozsah sa nevypočíta.";
const char* const kNotFinite = "Z rozsahu teplôt povrchu nemožno určiť počet bodov; rozsah sa nevypočíta.";

INSTANTIATE_TEST_SUITE_P(Ranges, RangeProblemTest,
                         ::testing::Values(ProblemCase{0, 100, 0, kStep}, ProblemCase{0, 100, -5, kStep},
                                           ProblemCase{100, 0, -5, kStep}, ProblemCase{0, 1000000, 1, kTooMany},
                                           ProblemCase{0, 100, 1e-300, kTooMany},
                                           ProblemCase{-1.7e308, 1.7e308, 1e-300, kNotFinite},
                                           ProblemCase{0, 1e308, 1e-10, kNotFinite}));

} // namespace
} // namespace zav
