// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cooling.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "core/number_format.h"
#include "core/steady_state.h"

namespace zav {

const char* const kCoolingEqualTemperaturesMessage =
    "Teplota telesa sa rovná teplote tekutiny: teleso sa neochladzuje ani neohrieva !!!";
const char* const kCoolingTargetMessage =
    "Teplota ochladenia musí ležať medzi teplotou tekutiny a teplotou telesa !!!";
const char* const kCoolingStepCountMessage = "Počet krokov musí byť kladné číslo !!!";
const char* const kCoolingTooManyStepsMessage = "Počet krokov môže byť najviac 1 000 000 000 !!!";
const char* const kCoolingStepUndefinedMessage =
    "Krok ochladzovania siaha až za teplotu tekutiny: čas kroku nie je definovaný !!!";
const char* const kCoolingTimeUndefinedMessage = "Čas kroku ochladzovania nie je konečné číslo: skontrolujte "
                                                 "hmotnosť, plochu, tepelnú kapacitu a súčiniteľ prestupu tepla !!!";

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
    if (s.startTemperature == s.tFluid)
        return kCoolingEqualTemperaturesMessage;
    const double low = std::min(s.tFluid, s.startTemperature);
    const double high = std::max(s.tFluid, s.startTemperature);
    if (!(low < s.targetTemperature && s.targetTemperature < high))
        return kCoolingTargetMessage;
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
    const double ratio = (t - s.tFluid) / (next - s.tFluid);
    if (!(ratio > 0) || !std::isfinite(ratio))
        return stopRun(reporter, kCoolingStepUndefinedMessage);
    const double dt = std::log(ratio) * s.mass * s.c_material / (s.alphaStep * s.coolingArea);
    if (!std::isfinite(dt))
        return stopRun(reporter, kCoolingTimeUndefinedMessage);
    elapsed += dt;
    s.tBody = next;
    return true;
}

bool scalePass(CoolingState& s, const CoolingInputs& inputs, Reporter& reporter, CoolingView& view) {
    Progress progress(view, kScaleSteps);
    const double drop = 0.001 * s.temperatureDrop;
    const EvaluationInputs& main = inputs.convection();
    for (int counter = 0; counter < kScaleSteps; ++counter) {
        if (!evaluateCoolingStep(s, main, reporter))
            return false;
        s.alphaStep = s.alphaConv;
        if (s.radiationOn) {
            s.alphaRad = radiativeCoefficientQuotient(inputs.emissivity(), s.tBody, s.tFluid);
            s.alphaStep += s.alphaRad;
        }
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
    const EvaluationInputs& main = inputs.convection();
    for (long long counter = 0; static_cast<double>(counter) < s.stepCount; ++counter) {
        if (!evaluateCoolingStep(s, main, reporter))
            return false;
        s.alphaRad = radiativeCoefficientQuotient(inputs.emissivity(), s.tBody, s.tFluid);
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

} // namespace

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
    readStartInputs(s, inputs);
    s.temperatureDrop = s.startTemperature - s.targetTemperature;
    if (const std::string problem = inputProblem(s, inputs); !problem.empty()) {
        reporter.showMessage(problem);
        return CoolingOutcome::Refused;
    }
    s.scaleTime = 0;
    s.coolingTime = 0;
    s.interruption = CoolingOutcome::Stopped;
    if (!scalePass(s, inputs, reporter, view))
        return s.interruption;
    view.setUpPlot(s.tFluid, s.startTemperature, s.scaleTime);

    // The body is back at its start temperature for the simulation pass.
    readStartInputs(s, inputs);
    s.targetTemperature = inputs.targetTemperature();
    s.temperatureDrop = s.startTemperature - s.targetTemperature;
    s.initialExcess = s.tBody - s.tFluid;
    return simulationPass(s, inputs, reporter, view, data) ? CoolingOutcome::Completed : s.interruption;
}

} // namespace zav
