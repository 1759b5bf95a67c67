// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/sweeps.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "core/steady_state.h"
#include "export/cel_file.h"
#include "export/table_file.h"
#include "export/text_file.h"

namespace zav {

namespace {

// Checks the range and opens the output; reports and returns false when the sweep cannot run.
bool startSweep(const SweepRange& range, const std::string& fileName, const std::string& noFileMessage,
                TextFile& file, Reporter& reporter, int* errorNumber) {
    if (auto problem = rangeProblem(range)) {
        reporter.showMessage(*problem);
        return false;
    }
    if (fileName.empty()) {
        reporter.showMessage(noFileMessage);
        return false;
    }
    if (!file.open(fileName)) {
        if (errorNumber != nullptr)
            *errorNumber = file.errorNumber();
        reporter.showMessage(openFailureMessage(file.failure(), fileName));
        return false;
    }
    return true;
}

bool finishSweep(const std::string& fileName, TextFile& file, Reporter& reporter, int* errorNumber) {
    if (file.close())
        return true;
    if (errorNumber != nullptr)
        *errorNumber = file.errorNumber();
    reporter.showMessage(notWrittenMessage(fileName));
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

// The table's lines are put together and written by a second thread while this one evaluates the
// next points: blocks of evaluated points go over in their order, at most a few at a time.
class LineWriter {
public:
    explicit LineWriter(TextFile& file) : m_file(file), m_worker([this] { run(); }) { m_block.reserve(kBlock); }
    ~LineWriter() { stop(false); }
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    void add(const ConvectionState& state) {
        m_block.push_back(state);
        if (m_block.size() == kBlock)
            handOver();
    }
    /// Drops the lines not yet written and waits for the writing thread to end.
    void abandon() { stop(false); }
    /// Writes what is left and waits for it; rethrows what failed on the writing thread.
    void finish() {
        if (!m_block.empty())
            handOver();
        stop(true);
        if (m_failure)
            std::rethrow_exception(m_failure);
    }

private:
    static constexpr std::size_t kBlock = 4096;
    static constexpr std::size_t kMaxWaiting = 8;

    void handOver() {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [this] { return m_waiting.size() < kMaxWaiting || m_failure; });
        if (m_failure) {
            m_block.clear(); // nothing more is written: finish() reports the failure
            return;
        }
        m_waiting.push_back(std::move(m_block));
        m_block = std::vector<ConvectionState>();
        m_block.reserve(kBlock);
        m_changed.notify_all();
    }

    // With `writeRest` false the lines not yet written are dropped.
    void stop(bool writeRest) {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            if (!writeRest)
                m_waiting.clear();
            m_ending = true;
        }
        m_changed.notify_all();
        if (m_worker.joinable())
            m_worker.join();
    }

    void run() {
        try {
            std::string lines;
            for (;;) {
                std::vector<ConvectionState> block;
                {
                    std::unique_lock<std::mutex> lock(m_mutex);
                    m_changed.wait(lock, [this] { return !m_waiting.empty() || m_ending; });
                    if (m_waiting.empty())
                        return;
                    block = std::move(m_waiting.front());
                    m_waiting.pop_front();
                    m_changed.notify_all();
                }
                lines.clear();
                for (const ConvectionState& state : block) {
                    appendTableLine(lines, state);
                    lines += "\r\n";
                }
                m_file.writeAscii(lines);
            }
        } catch (...) {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_failure = std::current_exception();
            m_waiting.clear();
            m_changed.notify_all();
        }
    }

    TextFile& m_file; // written by the worker alone until it has ended
    std::vector<ConvectionState> m_block;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::vector<ConvectionState>> m_waiting;
    bool m_ending = false;
    std::exception_ptr m_failure;
    std::thread m_worker; // last: it starts when everything else is ready
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
                   Reporter& reporter, const std::string& fileName, const std::string& noFileMessage,
                   ChartSink& chart, SweepProgress& progress, int* errorNumber) {
    if (errorNumber != nullptr)
        *errorNumber = 0;
    TextFile file;
    if (!startSweep(range, fileName, noFileMessage, file, reporter, errorNumber))
        return false;
    file.write(tableHeader() + "\n");
    const long long count = sweepPointCount(range);
    chart.prepareChart(count);
    {
        ChartFinisher finisher(chart);
        LineWriter writer(file);
        for (long long i = 0; i < count; ++i) {
            if (!progress.keepGoing(i, count)) {
                finisher.cancel();
                writer.abandon();
                file.discard();
                reportCancelled(reporter, "tabuľky", fileName);
                return false;
            }
            state.tBody = sweepPoint(range, i);
            evaluatePoint(state, inputs, reporter);
            writer.add(state);
            chart.setChartPoint(i, state);
        }
        writer.finish();
    }
    return finishSweep(fileName, file, reporter, errorNumber);
}

bool runCelSweep(ConvectionState& state, const SweepRange& range, const EvaluationInputs& inputs,
                 Reporter& reporter, const std::string& fileName, const std::string& noFileMessage,
                 const std::string& functionName,
                 const std::string& asctime, SweepProgress& progress, int* errorNumber) {
    if (errorNumber != nullptr)
        *errorNumber = 0;
    TextFile file;
    if (!startSweep(range, fileName, noFileMessage, file, reporter, errorNumber))
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
    return finishSweep(fileName, file, reporter, errorNumber);
}

} // namespace zav
