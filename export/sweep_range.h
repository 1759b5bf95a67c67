// SPDX-License-Identifier: GPL-3.0-or-later
// The range of surface temperatures a sweep evaluates, and its point rule.
#pragma once

#include <optional>
#include <string>

namespace zav {

struct SweepRange {
    double tMin = 0;  // °C
    double tMax = 0;  // °C
    double tStep = 0; // °C
};

/// The most points a sweep may have.
constexpr long long kMaxSweepPoints = 1000000;

/// N = trunc((tMax − tMin)/tStep + 1 + 1e-9): the small tolerance keeps a maximum that is meant as
/// a whole number of steps (0 to 0,3 by 0,1) despite rounding. N ≤ 0 means no points.
/// Only for a range that rangeProblem accepts.
long long sweepPointCount(const SweepRange& range);

/// Surface temperature of point i: i·tStep + tMin.
inline double sweepPoint(const SweepRange& range, long long i) { return static_cast<double>(i) * range.tStep + range.tMin; }

/// Why a range cannot be swept (a step of zero or below, a count that is not finite or above
/// kMaxSweepPoints), as the message shown to the user; nothing when it can.
std::optional<std::string> rangeProblem(const SweepRange& range);

} // namespace zav
