// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/sweeps.h"

#include "core/steady_state.h"
#include "export/cel_file.h"
#include "export/table_file.h"
#include "export/text_file.h"

namespace zav {

namespace {

// Checks the range and opens the output; reports and returns false when the sweep cannot run.
bool startSweep(const SweepRange& range, const std::string& fileName, const char* noFileMessage, TextFile& file,
                Reporter& reporter) {
    if (auto problem = rangeProblem(range)) {
        reporter.showMessage(*problem);
        return false;
    }
    if (fileName.empty()) {
        reporter.showMessage(noFileMessage);
        return false;
    }
    if (!file.open(fileName)) {
        reporter.showMessage(openFailureMessage(file.failure(), fileName));
        return false;
    }
    return true;
}

bool finishSweep(const std::string& fileName, TextFile& file, Reporter& reporter) {
    if (file.close())
        return true;
    reporter.showMessage("Súbor „" + fileName + "“ sa nepodarilo zapísať.");
    return false;
}

// Lets the chart show what was computed even when an evaluation stops the sweep.
class ChartFinisher {
public:
    explicit ChartFinisher(ChartSink& chart) : m_chart(chart) {}
    ~ChartFinisher() { m_chart.finishChart(); }
    ChartFinisher(const ChartFinisher&) = delete;
    ChartFinisher& operator=(const ChartFinisher&) = delete;

private:
    ChartSink& m_chart;
};

} // namespace

bool runTableSweep(ConvectionState& state, const SweepRange& range, const EvaluationInputs& inputs,
                   Reporter& reporter, const std::string& fileName, ChartSink& chart) {
    TextFile file;
    if (!startSweep(range, fileName, "Nie je zvolený súbor pre tabuľku (Súbor → Ulož do súboru); tabuľka sa nezapíše.",
                    file, reporter))
        return false;
    file.write(tableHeader() + "\n");
    const long long count = sweepPointCount(range);
    chart.prepareChart(count);
    {
        ChartFinisher finisher(chart);
        for (long long i = 0; i < count; ++i) {
            state.tBody = sweepPoint(range, i);
            evaluatePoint(state, inputs, reporter);
            file.write(tableLine(state) + "\n");
            chart.setChartPoint(i, state);
        }
    }
    return finishSweep(fileName, file, reporter);
}

bool runCelSweep(ConvectionState& state, const SweepRange& range, const EvaluationInputs& inputs,
                 Reporter& reporter, const std::string& fileName, const std::string& functionName,
                 const std::string& asctime) {
    TextFile file;
    if (!startSweep(range, fileName, "Nie je zvolený súbor pre Ansys (Súbor → Ansys); súbor sa nezapíše.", file,
                    reporter))
        return false;
    file.write(celHead(functionName, asctime));
    const long long count = sweepPointCount(range);
    for (long long i = 0; i < count; ++i) {
        state.tBody = sweepPoint(range, i);
        evaluatePoint(state, inputs, reporter);
        file.write(celPair(state.tBody, state.alphaTotal));
        if (i + 1 < count)
            file.write(",");
    }
    file.write(celTail());
    return finishSweep(fileName, file, reporter);
}

} // namespace zav
