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

// Lets the chart show what was computed even when an evaluation stops the sweep; a cancelled sweep
// leaves the chart as it was.
class ChartFinisher {
public:
    explicit ChartFinisher(ChartSink& chart) : m_chart(chart) {}
    ~ChartFinisher() {
        if (m_cancelled)
            m_chart.abandonChart();
        else
            m_chart.finishChart();
    }
    ChartFinisher(const ChartFinisher&) = delete;
    ChartFinisher& operator=(const ChartFinisher&) = delete;
    void cancel() { m_cancelled = true; }

private:
    ChartSink& m_chart;
    bool m_cancelled = false;
};

class Unwatched : public SweepProgress {
public:
    bool keepGoing(long long, long long) override { return true; }
};

// The status text of a sweep the user cancelled; its file was not touched.
void reportCancelled(Reporter& reporter, const char* what, const std::string& fileName) {
    reporter.setStatusText(std::string("Výpočet ") + what + " bol zrušený; súbor „" + fileName +
                           "“ zostal bez zmeny.");
}

} // namespace

SweepProgress& noProgress() {
    static Unwatched unwatched;
    return unwatched;
}

bool runTableSweep(ConvectionState& state, const SweepRange& range, const EvaluationInputs& inputs,
                   Reporter& reporter, const std::string& fileName, ChartSink& chart, SweepProgress& progress) {
    TextFile file;
    if (!startSweep(range, fileName, "Nie je zvolený súbor pre tabuľku (Súbor → Ulož do súboru); tabuľka sa nezapíše.",
                    file, reporter))
        return false;
    file.write(tableHeader() + "\n");
    const long long count = sweepPointCount(range);
    chart.prepareChart(count);
    {
        ChartFinisher finisher(chart);
        std::string line;
        for (long long i = 0; i < count; ++i) {
            if (!progress.keepGoing(i, count)) {
                finisher.cancel();
                file.discard();
                reportCancelled(reporter, "tabuľky", fileName);
                return false;
            }
            state.tBody = sweepPoint(range, i);
            evaluatePoint(state, inputs, reporter);
            line.clear();
            appendTableLine(line, state);
            line += "\r\n";
            file.writeAscii(line);
            chart.setChartPoint(i, state);
        }
    }
    return finishSweep(fileName, file, reporter);
}

bool runCelSweep(ConvectionState& state, const SweepRange& range, const EvaluationInputs& inputs,
                 Reporter& reporter, const std::string& fileName, const std::string& functionName,
                 const std::string& asctime, SweepProgress& progress) {
    TextFile file;
    if (!startSweep(range, fileName, "Nie je zvolený súbor pre Ansys (Súbor → Ansys); súbor sa nezapíše.", file,
                    reporter))
        return false;
    file.write(celHead(functionName, asctime));
    const long long count = sweepPointCount(range);
    std::string pair;
    for (long long i = 0; i < count; ++i) {
        if (!progress.keepGoing(i, count)) {
            file.discard();
            reportCancelled(reporter, "pre Ansys", fileName);
            return false;
        }
        state.tBody = sweepPoint(range, i);
        evaluatePoint(state, inputs, reporter);
        pair.clear();
        appendCelPair(pair, state.tBody, state.alphaTotal);
        if (i + 1 < count)
            pair += ',';
        file.writeAscii(pair);
    }
    file.write(celTail());
    return finishSweep(fileName, file, reporter);
}

} // namespace zav
