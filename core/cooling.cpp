// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cooling.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

#include "core/number_format.h"
#include "core/steady_state.h"
#include "core/steady_state_inverse.h"

namespace zav {

const char* const kCoolingEqualTemperaturesMessage =
    "Teplota telesa sa rovná teplote tekutiny: teleso sa neochladzuje ani neohrieva !!!";
const char* const kCoolingTargetMessage =
    "Teplota ochladenia musí ležať medzi teplotou tekutiny a teplotou telesa !!!";
const char* const kCoolingStepCountMessage = "Počet krokov musí byť kladné číslo !!!";
const char* const kCoolingTooManyStepsMessage = "Počet krokov môže byť najviac 1 000 000 000 !!!";
const char* const kCoolingStepUndefinedMessage =
    "Krok ochladzovania siaha až za teplotu tekutiny: čas kroku nie je definovaný !!!";
const char* const kCoolingTargetAtStartMessage =
    "Teplota ochladenia sa rovná teplote telesa: teleso sa neohrieva ani neochladzuje !!!";
const char* const kCoolingHeatSourceMessage = "Výkon zdroja tepla musí byť konečné číslo !!!";
const char* const kCoolingTimeUndefinedMessage = "Čas kroku ochladzovania nie je konečné číslo: skontrolujte "
                                                 "hmotnosť, plochu, tepelnú kapacitu a súčiniteľ prestupu tepla !!!";

std::string coolingUnreachableMessage(double target, double equilibrium, double power) {
    return "Teplota " + formatGeneral(target) + " °C sa nedosiahne: teleso sa ustáli na " +
           formatFixed(equilibrium, 15, 1) + " °C pri výkone " + formatGeneral(power) + " W.";
}

std::string coolingMassMessage(double mass) {
    return "Hmotnosť musí byť kladné číslo (zadané: " + formatGeneral(mass) + ") !!!";
}

std::string coolingAreaMessage(double area) {
    return "Plocha povrchu musí byť kladné číslo (zadané: " + formatGeneral(area) + ") !!!";
}

std::string coolingEmissivityMessage(double emissivity) {
    return "Emisivita nesmie byť záporná (zadané: " + formatGeneral(emissivity) + ") !!!";
}

std::string coolingHeatCapacityMessage(double c, double t) {
    // In the steady state's formats of a temperature and a heat capacity.
    return "Tepelná kapacita materiálu musí byť kladné číslo: pri teplote " + formatFixed(t, 10, 2) + " °C je " +
           formatFixed(c, 10, 1) + " J.kg-1.K-1 !!!";
}

namespace {

constexpr int kScaleSteps = 1000;
static_assert(kMaximumCoolingSteps <= INT_MAX, "the progress bar counts the steps");

// The progress bar of one pass. It is moved in steps of a thousandth of its length (a bar redrawn
// at every one of a million steps would cost more than the steps), and to the exact count when the
// pass ends, however it ends. Positions beyond the maximum (the last step of a step count that is
// not whole) stay at the maximum.
class Progress {
public:
    Progress(CoolingView& view, double steps) : m_view(view) {
        m_maximum = static_cast<int>(std::clamp(std::trunc(steps), 0.0, kMaximumCoolingSteps));
        m_stride = std::max(m_maximum / 1000, 1);
        m_view.setProgressMaximum(m_maximum);
        m_view.setProgressPosition(0);
    }
    ~Progress() {
        if (m_position != m_shown)
            m_view.setProgressPosition(m_position);
    }
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    void done(long long steps) {
        m_position = static_cast<int>(std::min(steps, static_cast<long long>(m_maximum)));
        if (m_position - m_shown >= m_stride || m_position == m_maximum) {
            if (m_position != m_shown)
                m_view.setProgressPosition(m_position);
            m_shown = m_position;
        }
    }

private:
    CoolingView& m_view;
    int m_maximum = 0;
    int m_stride = 1;
    int m_position = 0; // steps done
    int m_shown = 0;    // what the bar shows
};

// Marks the run as cancelled by its view; the pass ends like a stopped one, without a message.
bool cancelRun(CoolingState& s) {
    s.interruption = CoolingOutcome::Cancelled;
    return false;
}

bool stopRun(Reporter& reporter, const std::string& message) {
    reporter.showMessage(message);
    reporter.setStatusText(message);
    return false;
}

// An input that a step found unusable refuses the whole run: no time is reported for it.
bool refuseRun(CoolingState& s, Reporter& reporter, const std::string& message) {
    s.interruption = CoolingOutcome::Refused;
    return stopRun(reporter, message);
}

// A coefficient of the step that is not a finite number (an absurd emissivity, a dimension of 0).
bool coefficientsFinite(CoolingState& s, Reporter& reporter) {
    if (std::isfinite(s.alphaConv) && std::isfinite(s.alphaRad))
        return true;
    return refuseRun(s, reporter, kNotFiniteResultMessage);
}

// Reads the case's four inputs into the state; the body is at its start temperature.
void readStartInputs(CoolingState& s, const CoolingInputs& inputs) {
    const StartInputs main = inputs.startInputs();
    s.tBody = main.tBody;
    s.tFluid = main.tFluid;
    s.charLength = main.charLength;
    s.area = main.area;
    s.startTemperature = main.tBody;
}

// Inputs for which the stepping has no meaning: the logarithm of every step would be undefined,
// the run would end at once without cooling, or its times would be negative or zero.
std::string inputProblem(const CoolingState& s, const CoolingInputs& inputs) {
    if (!std::isfinite(s.heatSource))
        return kCoolingHeatSourceMessage;
    if (s.heatSource == 0) {
        if (s.startTemperature == s.tFluid)
            return kCoolingEqualTemperaturesMessage;
        const double low = std::min(s.tFluid, s.startTemperature);
        const double high = std::max(s.tFluid, s.startTemperature);
        if (!(low < s.targetTemperature && s.targetTemperature < high))
            return kCoolingTargetMessage;
    } else if (s.targetTemperature == s.startTemperature) {
        // Where the body goes is settled against the equilibrium, once it is known.
        return kCoolingTargetAtStartMessage;
    }
    if (!(s.stepCount > 0))
        return kCoolingStepCountMessage;
    if (s.stepCount > kMaximumCoolingSteps)
        return kCoolingTooManyStepsMessage;
    if (!(s.mass > 0))
        return coolingMassMessage(s.mass);
    if (!(s.coolingArea > 0))
        return coolingAreaMessage(s.coolingArea);
    if (s.radiationOn) {
        if (const double emissivity = inputs.emissivity(); emissivity < 0)
            return coolingEmissivityMessage(emissivity);
    }
    return std::string();
}

// From the current temperature T down (or up) by `drop` to T′: the time of exponential cooling at
// the coefficient and heat capacity of T, added to `elapsed`.
bool temperatureStep(CoolingState& s, double drop, double& elapsed, const CoolingInputs& inputs, Reporter& reporter) {
    const double t = s.tBody;
    s.c_material = inputs.materialHeatCapacity(t);
    if (!(s.c_material > 0))
        return refuseRun(s, reporter, coolingHeatCapacityMessage(s.c_material, t));
    const double next = t - drop;
    const double dt = coolingStepTime(t, next, s.tFluid, s.heatSource, s.alphaStep, s.coolingArea, s.mass, s.c_material);
    if (std::isnan(dt)) {
        // T′ lies at or beyond where the step tends to.
        const double settle = s.tFluid + s.heatSource / (s.alphaStep * s.coolingArea);
        if (s.heatSource != 0 && std::isfinite(settle))
            return refuseRun(s, reporter, coolingUnreachableMessage(s.targetTemperature, settle, s.heatSource));
        return stopRun(reporter, kCoolingStepUndefinedMessage);
    }
    if (!std::isfinite(dt))
        return stopRun(reporter, kCoolingTimeUndefinedMessage);
    elapsed += dt;
    s.tBody = next;
    return true;
}

// The step's convection at the body's temperature, and with `radiation` its radiative quotient. A
// run with a heat source that starts at the fluid's temperature, where ΔT = 0 leaves free
// convection undefined, takes its first step's coefficients at that step's end.
bool evaluateStep(CoolingState& s, const CoolingInputs& inputs, Reporter& reporter, double drop, bool radiation) {
    const double t = s.tBody;
    const bool atFluid = s.heatSource != 0 && t == s.tFluid;
    if (atFluid)
        s.tBody = t - drop;
    const bool evaluated = evaluateCoolingStep(s, inputs.convection(), reporter);
    if (evaluated && radiation)
        s.alphaRad = radiativeCoefficientQuotient(inputs.emissivity(), s.tBody, s.tFluid);
    s.tBody = t;
    return evaluated;
}

bool scalePass(CoolingState& s, const CoolingInputs& inputs, Reporter& reporter, CoolingView& view) {
    Progress progress(view, kScaleSteps);
    const double drop = 0.001 * s.temperatureDrop;
    for (int counter = 0; counter < kScaleSteps; ++counter) {
        if (!evaluateStep(s, inputs, reporter, drop, s.radiationOn))
            return false;
        s.alphaStep = s.alphaConv;
        if (s.radiationOn)
            s.alphaStep += s.alphaRad;
        if (!coefficientsFinite(s, reporter))
            return false;
        if (!temperatureStep(s, drop, s.scaleTime, inputs, reporter))
            return false;
        progress.done(counter + 1);
        if ((counter + 1) % kCancelStride == 0 && !view.keepGoing(counter + 1, kScaleSteps))
            return cancelRun(s);
    }
    return true;
}

bool simulationPass(CoolingState& s, const CoolingInputs& inputs, Reporter& reporter, CoolingView& view,
                    CoolingDataSink* data) {
    Progress progress(view, s.stepCount);
    if (data != nullptr)
        s.c_material = inputs.materialHeatCapacity(s.startTemperature);
    const double drop = s.temperatureDrop / s.stepCount;
    for (long long counter = 0; static_cast<double>(counter) < s.stepCount; ++counter) {
        if (!evaluateStep(s, inputs, reporter, drop, true))
            return false;
        if (!coefficientsFinite(s, reporter))
            return false;
        if (data != nullptr)
            data->writeRow(s);
        s.alphaStep = s.radiationOn ? s.alphaConv + s.alphaRad : s.alphaConv;
        if (!temperatureStep(s, drop, s.coolingTime, inputs, reporter))
            return false;
        view.plotPoint(s);
        progress.done(counter + 1);
        if ((counter + 1) % kCancelStride == 0 && !view.keepGoing(counter + 1, s.stepCount))
            return cancelRun(s);
    }
    if (data != nullptr)
        data->writeRow(s);
    return true;
}

// Messages of a pass that only looks ahead go nowhere.
class QuietReporter : public Reporter {
public:
    void showMessage(const std::string&) override {}
    void setStatusText(const std::string&) override {}
};

// The way to the equilibrium: from the start to 95 % of the way in steps of half a percent of it,
// 63 % of the way falling on a step's end.
constexpr int kWaySteps = 190;
constexpr int kWayShortSteps = 126;
static_assert(kWayShortSteps * 95 == kWaySteps * 63, "63 % of the way ends a step");

// The times from the start to 63 % and 95 % of the way to the equilibrium, each step at the
// coefficients of its middle temperature (a step's error then falls with its size squared: some
// 0,01 % in 190 steps, where the run's own scheme, at its start, would need tens of thousands);
// left NaN where a check on the way fails.
void wayTimes(CoolingState& run, const CoolingInputs& inputs) {
    CoolingState s = run;
    QuietReporter quiet;
    s.tBody = s.startTemperature;
    const double drop = (s.startTemperature - s.equilibrium) * kCoolingWayLong / kWaySteps;
    double elapsed = 0;
    for (int counter = 0; counter < kWaySteps; ++counter) {
        const double t = s.tBody;
        s.tBody = t - 0.5 * drop;
        const bool evaluated = evaluateStep(s, inputs, quiet, drop, s.radiationOn);
        s.tBody = t;
        if (!evaluated)
            return;
        s.alphaStep = s.radiationOn ? s.alphaConv + s.alphaRad : s.alphaConv;
        if (!coefficientsFinite(s, quiet) || !temperatureStep(s, drop, elapsed, inputs, quiet))
            return;
        if (counter + 1 == kWayShortSteps)
            run.time63 = elapsed;
    }
    run.time95 = elapsed;
}

// With a heat source: the run must end short of the equilibrium, on the start's side of it.
bool reachable(const CoolingState& s) {
    return (s.startTemperature < s.targetTemperature && s.targetTemperature < s.equilibrium) ||
           (s.equilibrium < s.targetTemperature && s.targetTemperature < s.startTemperature);
}

} // namespace

double coolingEquilibrium(const CoolingState& state, const CoolingInputs& inputs, double power) {
    // The steady case of the run: its coefficients as the run's steps take them (with the case's
    // area, which the vertical cylinder's correlation reads), the run's own radiation and
    // emissivity, and the heat flow over the cooling area.
    class RunRadiation : public ForwardingInputs {
    public:
        explicit RunRadiation(const CoolingInputs& inputs) : ForwardingInputs(inputs.convection()), m_run(inputs) {}
        bool radiationOn() const override { return m_run.radiationOn(); }
        double emissivity() const override { return m_run.emissivity(); }

    private:
        const CoolingInputs& m_run;
    };
    ConvectionState start = state;
    start.tBody = state.startTemperature;
    double heatFlow = power;
    if (start.area > 0 && std::isfinite(start.area))
        heatFlow = power * (start.area / state.coolingArea); // α·area·ΔT where α·cooling area·ΔT = P
    else
        start.area = state.coolingArea;
    const DesignSolution solution =
        solveSteadyState(start, RunRadiation(inputs), DesignUnknown::BodyTemperature, heatFlow);
    return solution.solved ? solution.value : std::numeric_limits<double>::quiet_NaN();
}

double coolingStepTime(double t, double next, double tFluid, double power, double alpha, double area, double mass,
                       double c) {
    // Where the step tends to: the fluid, or with a heat source the step's own equilibrium.
    const double settle = power == 0 ? tFluid : tFluid + power / (alpha * area);
    const double ratio = (t - settle) / (next - settle);
    // With a source, a step must go towards its equilibrium (a ratio below 1: the equilibrium lies
    // behind it, and the body would go the other way).
    if (!(ratio > 0) || !std::isfinite(ratio) || (power != 0 && ratio < 1))
        return std::numeric_limits<double>::quiet_NaN();
    const double dt = std::log(ratio) * mass * c / (alpha * area);
    return std::isnan(dt) ? std::numeric_limits<double>::infinity() : dt;
}

double radiativeCoefficientQuotient(double emissivity, double tBody, double tFluid) {
    return emissivity * 5.67 / (tBody - tFluid) *
           (std::pow((tBody + 273.15) * 0.01, 4) - std::pow((tFluid + 273.15) * 0.01, 4));
}

double biotNumber(double alpha, double thickness, double conductivity) { return alpha * thickness / (2 * conductivity); }

bool evaluateCoolingStep(CoolingState& state, const EvaluationInputs& convection, Reporter& reporter) {
    // The absolute value of the sum, unlike the steady state: -50 °C in -20 °C gives +35 °C.
    state.tMean = std::fabs(state.tBody + state.tFluid) * 0.5;
    return evaluateConvection(state, convection, reporter);
}

CoolingOutcome runCooling(CoolingState& s, const CoolingInputs& inputs, Reporter& reporter, CoolingView& view,
                          CoolingDataSink* data) {
    s.mass = inputs.mass();
    s.coolingArea = inputs.coolingArea();
    s.targetTemperature = inputs.targetTemperature();
    s.stepCount = inputs.stepCount();
    s.radiationOn = inputs.radiationOn();
    s.heatSource = inputs.heatSource();
    readStartInputs(s, inputs);
    s.temperatureDrop = s.startTemperature - s.targetTemperature;
    constexpr double kUnknown = std::numeric_limits<double>::quiet_NaN();
    s.equilibrium = s.time63 = s.time95 = kUnknown;
    if (const std::string problem = inputProblem(s, inputs); !problem.empty()) {
        reporter.showMessage(problem);
        return CoolingOutcome::Refused;
    }
    if (s.heatSource != 0) {
        // Unknown (outside the fluid model's range, say), the steps themselves stop at theirs.
        s.equilibrium = coolingEquilibrium(s, inputs, s.heatSource);
        if (std::isfinite(s.equilibrium) && !reachable(s)) {
            reporter.showMessage(coolingUnreachableMessage(s.targetTemperature, s.equilibrium, s.heatSource));
            return CoolingOutcome::Refused;
        }
    }
    s.scaleTime = 0;
    s.coolingTime = 0;
    s.interruption = CoolingOutcome::Stopped;
    if (!scalePass(s, inputs, reporter, view))
        return s.interruption;
    // The picture spans the fluid to the start; with a heat source, the start to where the body
    // settles (the target when that is not known), widened to whole degrees so that its labels
    // stay short.
    double low = s.tFluid;
    double high = s.startTemperature;
    if (s.heatSource != 0) {
        const double end = std::isfinite(s.equilibrium) ? s.equilibrium : s.targetTemperature;
        low = std::floor(std::min(s.startTemperature, end));
        high = std::ceil(std::max(s.startTemperature, end));
        if (!(high > low))
            high = low + 1;
    }
    view.setUpPlot(low, high, s.scaleTime);
    if (s.heatSource != 0 && std::isfinite(s.equilibrium))
        view.markEquilibrium(s.equilibrium);

    // The body is back at its start temperature for the simulation pass.
    readStartInputs(s, inputs);
    s.targetTemperature = inputs.targetTemperature();
    s.temperatureDrop = s.startTemperature - s.targetTemperature;
    s.plotLow = low;
    s.initialExcess = s.heatSource == 0 ? s.tBody - s.tFluid : high - low;
    if (!simulationPass(s, inputs, reporter, view, data))
        return s.interruption;
    if (s.heatSource != 0 && std::isfinite(s.equilibrium))
        wayTimes(s, inputs);
    return CoolingOutcome::Completed;
}

} // namespace zav
