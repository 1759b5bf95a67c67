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
    /// After the last point, or when an evaluation stopped the sweep early: the chart shows the
    /// points set so far.
    virtual void finishChart() = 0;
    /// When the user cancelled the sweep: the chart stays as it was before prepareChart.
    virtual void abandonChart() = 0;
};

/// Told how far a sweep has come; the user may cancel it there.
class SweepProgress {
public:
    virtual ~SweepProgress() = default;
    /// Before point `done` (0 to count - 1) of `count` is evaluated; false cancels the sweep.
    virtual bool keepGoing(long long done, long long count) = 0;
};

/// A sweep nobody watches: it always runs to its end.
SweepProgress& noProgress();

/// Evaluates every point of `range` into `state` and writes the table file `fileName` (header and
/// one line per point, Windows-1250, CR LF) and the chart; with no `fileName` it shows the caller's
/// `noFileMessage` (which says where a file is chosen). Returns false when it wrote nothing; a
/// sweep cancelled through `progress` leaves the file and the chart as they were and says so in
/// the status text. `errorNumber`, where given, receives the system's error number of a file that
/// could not be opened or written (0 otherwise).
bool runTableSweep(ConvectionState& state, const SweepRange& range, const EvaluationInputs& inputs,
                   Reporter& reporter, const std::string& fileName, const std::string& noFileMessage,
                   ChartSink& chart, SweepProgress& progress = noProgress(), int* errorNumber = nullptr);

/// Evaluates every point of `range` into `state` and writes the CEL library `fileName` for the
/// function `functionName`, with `asctime` as its time line; `noFileMessage` as for runTableSweep.
/// Returns false when it wrote nothing (a cancelled sweep too, which leaves the file as it was).
/// `errorNumber` as for runTableSweep.
bool runCelSweep(ConvectionState& state, const SweepRange& range, const EvaluationInputs& inputs,
                 Reporter& reporter, const std::string& fileName, const std::string& noFileMessage,
                 const std::string& functionName,
                 const std::string& asctime, SweepProgress& progress = noProgress(), int* errorNumber = nullptr);

} // namespace zav
