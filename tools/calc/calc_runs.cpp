// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/calc/calc_runs.h"

#include "core/heat_capacity.h"
#include "core/steady_state.h"
#include "io/case_inputs.h"
#include "export/cel_file.h"
#include "export/cooling_data_file.h"
#include "export/replacing_file.h"
#include "export/sweeps.h"
#include "tools/calc/cooling_bitmap.h"

#include <algorithm>
#include <cerrno>
#include <cmath>

namespace zav::calc {

namespace {

// What a sweep says when its file was never given: the desktop's words, which name the menu
// item that chooses it there.
const std::string kNoTableFileMessage =
    "Nie je zvolený súbor pre tabuľku (Súbor → Ulož do súboru); tabuľka sa nezapíše.";
const std::string kNoCelFileMessage = "Nie je zvolený súbor pre Ansys (Súbor → Ansys); súbor sa nezapíše.";


// The chart of the table sweep: the front ends have none, and nobody cancels their sweeps.
class NoChart : public ChartSink {
public:
    void prepareChart(long long) override {}
    void setChartPoint(long long, const ConvectionState&) override {}
    void finishChart() override {}
    void abandonChart() override {}
};

// The cooling's inputs, its material's heat capacity and the steady case, as plain values.
class CoolingCaseInputs : public CoolingInputs {
public:
    CoolingCaseInputs(const SteadyCase& steady, const CoolingCase& cooling)
        : m_steady(steady), m_cooling(cooling), m_convection(steady) {}
    const EvaluationInputs& convection() const override { return m_convection; }
    StartInputs startInputs() const override {
        return {m_steady.tBody, m_steady.tFluid, m_steady.charLength, m_steady.area};
    }
    double mass() const override { return m_cooling.mass; }
    double coolingArea() const override { return m_cooling.coolingArea; }
    double heatSource() const override { return m_cooling.heatSource; }
    double targetTemperature() const override { return m_cooling.targetTemperature; }
    double stepCount() const override { return m_cooling.stepCount; }
    bool radiationOn() const override { return m_cooling.radiationOn; }
    double emissivity() const override { return m_cooling.emissivity; }
    double materialHeatCapacity(double t) const override { return zav::materialHeatCapacity(m_cooling.heatCapacity, t); }

private:
    const SteadyCase& m_steady;
    const CoolingCase& m_cooling;
    CaseInputs m_convection;
};

// The run's progress is not shown; its curve is kept as numbers and drawn on the picture.
class CurveView : public CoolingView {
public:
    CurveView(CoolingResult& result, CoolingBitmap* picture, int plotType, double stepCount,
              const std::function<bool()>& keepGoing)
        : m_result(result), m_picture(picture), m_plotType(plotType),
          m_stride(stepCount > kMaxCurveSteps
                       ? static_cast<long long>(std::ceil(std::min(stepCount, kMaximumCoolingSteps) / kMaxCurveSteps))
                       : 1),
          m_keepGoing(keepGoing) {}
    bool keepGoing(long long, double) override { return !m_keepGoing || m_keepGoing(); }
    void setProgressMaximum(int) override {}
    void setProgressPosition(int) override {}
    void setUpPlot(double tLow, double tHigh, double scaleTime) override {
        if (m_picture != nullptr)
            m_picture->setUpPlot(plotScheme(m_plotType), tLow, tHigh, scaleTime);
    }
    void markEquilibrium(double temperature) override {
        if (m_picture != nullptr)
            m_picture->markTemperature(temperature);
    }
    void plotPoint(const CoolingState& state) override {
        if (m_result.time.empty()) {
            m_result.time.push_back(0);
            m_result.tBody.push_back(state.startTemperature);
        }
        ++m_result.steps;
        m_lastTime = state.coolingTime;
        m_lastTemperature = state.tBody;
        if (m_result.steps % m_stride == 0) {
            m_result.time.push_back(state.coolingTime);
            m_result.tBody.push_back(state.tBody);
        }
        if (m_picture != nullptr) {
            if (const std::optional<PlotPixel> pixel = curvePixel(state))
                m_picture->plot(*pixel);
        }
    }

    /// The last step's end, when the stride left it out.
    void finish() {
        if (m_result.steps % m_stride != 0) {
            m_result.time.push_back(m_lastTime);
            m_result.tBody.push_back(m_lastTemperature);
        }
    }

private:
    CoolingResult& m_result;
    CoolingBitmap* m_picture;
    int m_plotType;
    long long m_stride; // every step's end up to kMaxCurveSteps steps, every k-th beyond
    const std::function<bool()>& m_keepGoing;
    double m_lastTime = 0;
    double m_lastTemperature = 0;
};

// A file's problem with the system's error number, EIO when it gave none.
FileProblem fileProblem(const std::string& message, int errorNumber, const std::string& path) {
    return {message, errorNumber != 0 ? errorNumber : EIO, path};
}

// "Ulož graf": the picture's bytes in place of the file, or the desktop's message.
std::optional<FileProblem> savePicture(const CoolingBitmap& picture, const std::string& name) {
    ReplacingFile file;
    if (!file.open(name)) {
        return fileProblem(file.failure() == ReplacingFile::Failure::ReadOnly ? openFailureMessage(file.failure(), name)
                                                                               : notCreatedMessage(name),
                           file.errorNumber(), name);
    }
    file.write(picture.bitmapBytes());
    if (!file.close())
        return fileProblem(notCreatedMessage(name), file.errorNumber(), name);
    return std::nullopt;
}

// Passes the question on and remembers whether the sweep was cancelled.
class CancelWatch : public SweepProgress {
public:
    explicit CancelWatch(SweepProgress& progress) : m_progress(progress) {}
    bool keepGoing(long long done, long long count) override {
        m_cancelled = m_cancelled || !m_progress.keepGoing(done, count);
        return !m_cancelled;
    }
    bool cancelled() const { return m_cancelled; }

private:
    SweepProgress& m_progress;
    bool m_cancelled = false;
};

// The message a failed sweep of the file `name` reported last.
std::string lastMessage(const MessageLog& log, const std::string& name) {
    return log.messages().empty() ? notWrittenMessage(name) : log.messages().back();
}

} // namespace

SteadyResult runSteady(const SteadyCase& steady) {
    SteadyResult result;
    result.state = startState(steady);
    const CaseInputs inputs(steady);
    const SteadyOutcome outcome = calculateSteadyState(result.state, inputs);
    result.ok = outcome.ok;
    appendUnique(result.warnings, outcome.warnings);
    if (!result.ok) {
        result.error = outcome.statusText.empty() ? outcome.message : outcome.statusText;
        return result;
    }
    appendUnique(result.warnings, resultWarnings(result.state, inputs));
    result.alternatives = alternativeResults(result.state, inputs);
    if (steady.fluid != FluidKind::UserDefined && steady.properties == PropertyModel::Builtin)
        result.deviation = referenceDeviation(result.state, inputs);
    return result;
}

std::optional<DesignUnknown> designUnknown(const std::string& name) {
    const std::size_t position = kDesignUnknownChoice.find(name);
    if (position == kDesignUnknownChoice.count)
        return std::nullopt;
    return static_cast<DesignUnknown>(position);
}

const char* designUnknownKey(DesignUnknown unknown) {
    const auto position = static_cast<std::size_t>(unknown);
    return position < kDesignUnknownChoice.count ? kDesignUnknownChoice[position].name : "";
}

SolveResult runSolve(const SteadyCase& steady, DesignUnknown unknown, double heatFlow) {
    SolveResult result;
    const CaseInputs inputs(steady);
    const DesignSolution solution = solveSteadyState(startState(steady), inputs, unknown, heatFlow);
    result.ok = solution.solved;
    result.warnings = solution.warnings;
    if (!solution.solved) {
        result.state = startState(steady);
        result.error = solution.message;
        if (std::isfinite(solution.reachableHeatFlow))
            result.reachableHeatFlow = solution.reachableHeatFlow;
        return result;
    }
    result.value = solution.value;
    result.state = solution.state;
    // The heat flow found with the sign of the one sought (negative: into the body), as the design
    // shows it; the steady state gives its size.
    result.state.heatFlow = std::copysign(result.state.heatFlow, heatFlow);
    appendUnique(result.warnings, resultWarnings(solution.state, inputs));
    result.alternatives = alternativeResults(solution.state, inputs);
    if (steady.fluid != FluidKind::UserDefined && steady.properties == PropertyModel::Builtin)
        result.deviation = referenceDeviation(result.state, inputs);
    return result;
}

std::optional<std::string> runSweep(const SteadyCase& steady, const SweepRange& range, SweepSink& sink,
                                    SweepProgress& progress) {
    if (std::optional<std::string> problem = rangeProblem(range))
        return problem;
    const CaseInputs inputs(steady);
    ConvectionState state = startState(steady);
    MessageLog log;
    const std::vector<std::string> none;
    const long long count = sweepPointCount(range);
    sink.prepare(count > 0 ? count : 0);
    for (long long i = 0; i < count; ++i) {
        if (!progress.keepGoing(i, count))
            break;
        state.tBody = sweepPoint(range, i);
        evaluatePoint(state, inputs, log);
        if (log.empty()) {
            sink.point(i, state, none);
        } else {
            sink.point(i, state, log.warnings(false));
            log.clear();
        }
    }
    return std::nullopt;
}

std::optional<FileProblem> writeSweepFiles(const SteadyCase& steady, const SweepRange& range,
                                           const SweepFiles& files, SweepProgress& progress) {
    const CaseInputs inputs(steady);
    MessageLog log;
    CancelWatch watch(progress);
    int errorNumber = 0;
    if (!files.table.empty()) {
        ConvectionState state = startState(steady);
        NoChart chart;
        if (!runTableSweep(state, range, inputs, log, files.table, kNoTableFileMessage, chart, watch,
                           &errorNumber)) {
            if (watch.cancelled())
                return std::nullopt;
            return fileProblem(lastMessage(log, files.table), errorNumber, files.table);
        }
    }
    if (!files.ccl.empty()) {
        ConvectionState state = startState(steady);
        log.clear();
        if (!runCelSweep(state, range, inputs, log, files.ccl, kNoCelFileMessage, files.cclName, files.asctime,
                         watch, &errorNumber)) {
            if (watch.cancelled())
                return std::nullopt;
            return fileProblem(lastMessage(log, files.ccl), errorNumber, files.ccl);
        }
    }
    return std::nullopt;
}

SweepOutcome runSweepCase(const SteadyCase& steady, const SweepRange& range, const SweepFiles& files,
                          SweepSink& sink, SweepProgress& progress) {
    SweepOutcome outcome;
    outcome.refusal = rangeProblem(range);
    if (outcome.refusal)
        return outcome;
    CancelWatch watch(progress);
    outcome.fileProblem = writeSweepFiles(steady, range, files, watch);
    if (!outcome.fileProblem && !watch.cancelled())
        runSweep(steady, range, sink, watch);
    return outcome;
}

CoolingResult runCoolingCase(const SteadyCase& steady, const CoolingCase& cooling, const CoolingFiles& files,
                             const std::function<bool()>& keepGoing) {
    CoolingResult result;
    CoolingDataFile dataFile;
    if (!files.data.empty() && !dataFile.open(files.data)) {
        result.error = openFailureMessage(dataFile.failure(), files.data) + " Výpočet sa nespustí.";
        result.fileProblem = fileProblem(result.error, dataFile.errorNumber(), files.data);
        return result;
    }
    CoolingBitmap picture;
    CurveView view(result, files.picture.empty() ? nullptr : &picture, files.plotType, cooling.stepCount, keepGoing);
    const CoolingCaseInputs inputs(steady, cooling);
    CoolingState state;
    MessageLog log;
    result.outcome = runCooling(state, inputs, log, view, files.data.empty() ? nullptr : &dataFile);
    view.finish();
    const bool failed = result.outcome != CoolingOutcome::Completed;
    result.warnings = log.warnings(failed);
    if (failed)
        result.error = log.failure();
    if (result.outcome == CoolingOutcome::Refused || result.outcome == CoolingOutcome::Cancelled) {
        dataFile.discard();
        return result;
    }
    result.coolingTime = state.coolingTime;
    result.scaleTime = state.scaleTime;
    result.heatSource = cooling.heatSource != 0;
    const auto known = [](double value) { return std::isfinite(value) ? std::optional<double>(value) : std::nullopt; };
    if (result.heatSource) {
        result.equilibrium = known(state.equilibrium);
        result.time63 = known(state.time63);
        result.time95 = known(state.time95);
    }
    if (!files.data.empty() && !dataFile.close())
        result.fileProblem = fileProblem(notWrittenMessage(files.data), dataFile.errorNumber(), files.data);
    if (!files.picture.empty()) {
        if (std::optional<FileProblem> problem = savePicture(picture, files.picture); problem && !result.fileProblem)
            result.fileProblem = problem;
    }
    if (result.fileProblem && result.error.empty())
        result.error = result.fileProblem->message;
    return result;
}

} // namespace zav::calc
