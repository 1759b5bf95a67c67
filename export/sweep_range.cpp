// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/sweep_range.h"

#include <cmath>

namespace zav {

namespace {

double rawPointCount(const SweepRange& range) { return (range.tMax - range.tMin) / range.tStep + 1 + 1e-9; }

} // namespace

long long sweepPointCount(const SweepRange& range) {
    const double count = std::trunc(rawPointCount(range));
    return count > 0 ? static_cast<long long>(count) : 0;
}

std::optional<std::string> rangeProblem(const SweepRange& range) {
    if (!(range.tStep > 0))
        return std::string("Krok teploty povrchu musí byť väčší ako nula; rozsah sa nevypočíta.");
    const double count = rawPointCount(range);
    if (!std::isfinite(count))
        return std::string("Z rozsahu teplôt povrchu nemožno určiť počet bodov; rozsah sa nevypočíta.");
    if (std::trunc(count) > static_cast<double>(kMaxSweepPoints))
        return std::string("Rozsah teplôt povrchu by mal viac ako 1 000 000 bodov; rozsah sa nevypočíta.");
    return std::nullopt;
}

} // namespace zav
