// SPDX-License-Identifier: GPL-3.0-or-later
// The two sweeps of the main calculation over the surface-temperature range: the table file with
// its chart, and the CEL library. Each point is an evaluatePoint without checks; a range that
// cannot be swept or a file that cannot be written is reported and that output is skipped.
#pragma once

#include <string>

#include "core/convection_state.h"
#include "core/evaluation_inputs.h"
#include "export/sweep_range.h"

namespace zav {

/// Where the table sweep puts its points for the chart.
class ChartSink {
public:
    virtual ~ChartSink() = default;
    /// Before the first point of a sweep of `count` points.
    virtual void prepareChart(long long count) = 0;
    /// After point `index` was evaluated into `state`.
    virtual void setChartPoint(long long index, const ConvectionState& state) = 0;
    /// After the last point, or when the sweep stopped early.
    virtual void finishChart() = 0;
};

/// Evaluates every point of `range` into `state` and writes the table file `fileName` (header and
/// one line per point, Windows-1250, CR LF) and the chart. Returns false when it wrote nothing.
bool runTableSweep(ConvectionState& state, const SweepRange& range, const EvaluationInputs& inputs,
                   Reporter& reporter, const std::string& fileName, ChartSink& chart);

/// Evaluates every point of `range` into `state` and writes the CEL library `fileName` for the
/// function `functionName`, with `asctime` as its time line. Returns false when it wrote nothing.
bool runCelSweep(ConvectionState& state, const SweepRange& range, const EvaluationInputs& inputs,
                 Reporter& reporter, const std::string& fileName, const std::string& functionName,
                 const std::string& asctime);

} // namespace zav
