// SPDX-License-Identifier: GPL-3.0-or-later
// The cooling of a body treated as one lump at a uniform temperature: natural convection with the
// coefficient of the case's shape and fluid re-evaluated at every temperature step, plus
// radiation to surroundings at the fluid temperature. The run is stepped in temperature: each step
// takes the exact time of exponential cooling at the coefficient and heat capacity of its start.
// A scale pass of 1000 steps measures the time axis of the picture; the simulation pass then
// cools in the user's number of steps, plotting and writing one data row per step.
//
// A heat source P inside the body (W; 0 by default) changes only where each step tends to: with
// α (convection, plus radiation when on) and c frozen over the step, m·c·dT/dt = P − α·A·(T − T_f)
// has the exact solution T(t) − T_eq = (T₀ − T_eq)·e^(−α·A·t/(m·c)), T_eq = T_f + P/(α·A), so a
// step from T to T′ takes m·c/(α·A)·ln((T − T_eq)/(T′ − T_eq)). The body then warms or cools from
// its start towards the equilibrium, where its heat loss over the cooling area equals P.
#pragma once

#include "core/convection_state.h"
#include "core/evaluation_inputs.h"
#include "core/reporter.h"

#include <string>

namespace zav {

enum class CoolingOutcome {
    Refused,   // the inputs were refused: before anything was computed, or at the step where an input
               // (the heat capacity, a coefficient that is not finite) could not be used
    Completed, // both passes ran to their end
    Stopped,   // a check or an undefined step ended the run part-way
    Cancelled, // the view asked to stop (nothing was reported); its data is to be discarded
};

/// A cooling run's own record: the evaluation at the current body temperature (`tBody` changes
/// during a run), the run's inputs and the variables of the latest run. It never shares storage
/// with the steady state it starts from.
struct CoolingState : ConvectionState {
    // Cooling inputs, read when a run starts.
    double mass = 0;              // kg
    double coolingArea = 0;       // m², the surface that cools (not the steady case's area)
    double targetTemperature = 0; // °C
    double stepCount = 0;         // 1, parsed as a real number
    bool radiationOn = false;
    double heatSource = 0;        // W, the heat the body's source gives off (0: none)

    // Run variables.
    double startTemperature = 0; // °C
    double temperatureDrop = 0;  // K, start − target
    double initialExcess = 0;    // K, the picture's temperature span: start − fluid (with a heat
                                 // source: from the lower to the higher of the start and the end)
    double plotLow = 0;          // °C at the picture's lower axis: the fluid (with a heat source:
                                 // the lower of the start and the equilibrium or target)
    double scaleTime = 0;        // s, elapsed time of the scale pass
    double coolingTime = 0;      // s, elapsed time of the simulation pass
    double c_material = 0;       // J/(kg·K), of the latest temperature step
    double alphaStep = 0;        // W/(m²·K), coefficient of the latest temperature step
    // With a heat source: where the body settles (°C), and the times (s) from the start to 63 % and
    // 95 % of the way there; NaN when not known (no source, no equilibrium, a check on the way).
    double equilibrium = 0;
    double time63 = 0;
    double time95 = 0;
    // How a pass that ended early ends the run: Stopped by a check, Refused by an input found
    // unusable at a step, Cancelled by its view.
    CoolingOutcome interruption = CoolingOutcome::Stopped;
};

/// The four inputs of the steady case a run starts from.
struct StartInputs {
    double tBody = 0;      // °C, the start temperature of the body
    double tFluid = 0;     // °C
    double charLength = 0; // m
    double area = 0;       // m²
};

/// What a cooling run reads from its case while it runs. The numeric getters may parse a text at
/// the moment they are called and throw ConversionError when it is not a number.
class CoolingInputs {
public:
    virtual ~CoolingInputs() = default;

    /// The case's shape, fluid and their own inputs, read by the models at every step.
    virtual const EvaluationInputs& convection() const = 0;
    /// The case's body and fluid temperatures, dimension and area, read in that order.
    virtual StartInputs startInputs() const = 0;

    virtual double mass() const = 0;
    virtual double coolingArea() const = 0;
    virtual double targetTemperature() const = 0;
    virtual double stepCount() const = 0;
    virtual bool radiationOn() const = 0;
    /// The heat source's power (W), read once per run; none unless overridden.
    virtual double heatSource() const { return 0; }
    /// Parsed again at every step that uses it.
    virtual double emissivity() const = 0;
    /// The material's heat capacity at the body temperature t (°C), read afresh at every call.
    virtual double materialHeatCapacity(double t) const = 0;
};

/// Where a run shows its progress and draws its curve.
class CoolingView {
public:
    virtual ~CoolingView() = default;
    virtual void setProgressMaximum(int maximum) = 0;
    virtual void setProgressPosition(int position) = 0;
    /// After the scale pass: the temperature axis from `tLow` (the fluid) to `tHigh` (the start) and
    /// the time axis from 0 to `scaleTime`.
    virtual void setUpPlot(double tLow, double tHigh, double scaleTime) = 0;
    /// After setUpPlot, in a run with a heat source whose equilibrium is known: its temperature.
    virtual void markEquilibrium(double temperature) { static_cast<void>(temperature); }
    /// After every simulation step, with `coolingTime` and `tBody` of its end.
    virtual void plotPoint(const CoolingState& state) = 0;
    /// Asked after every kCancelStride steps of either pass, with the steps `done` of the pass and
    /// its step count; false cancels the run.
    virtual bool keepGoing(long long done, double count) {
        static_cast<void>(done);
        static_cast<void>(count);
        return true;
    }
};

/// How many steps a run takes between two questions whether it should go on.
constexpr long long kCancelStride = 4096;

/// Receives the data rows of the simulation pass: one at the start of every step and a final one
/// after a pass that ran to its end.
class CoolingDataSink {
public:
    virtual ~CoolingDataSink() = default;
    virtual void writeRow(const CoolingState& state) = 0;
};


/// Messages of refused inputs and of a step that cannot be computed.
extern const char* const kCoolingEqualTemperaturesMessage;
/// "… (zadané: VALUE) !!!" of a mass, a cooling area or an emissivity the run cannot use.
std::string coolingMassMessage(double mass);
std::string coolingAreaMessage(double area);
std::string coolingEmissivityMessage(double emissivity);
/// The heat capacity `c` at the body temperature `t` of a step, not above zero.
std::string coolingHeatCapacityMessage(double c, double t);
extern const char* const kCoolingTargetMessage;
extern const char* const kCoolingStepCountMessage;
/// The most steps a run takes: about a quarter of an hour at the slowest models (a microsecond a
/// step), a data file of some 80 GB.
constexpr double kMaximumCoolingSteps = 1e9;
extern const char* const kCoolingTooManyStepsMessage;
extern const char* const kCoolingStepUndefinedMessage;
/// "Teplota 90 °C sa nedosiahne: teleso sa ustáli na 72,4 °C pri výkone 20 W."
std::string coolingUnreachableMessage(double target, double equilibrium, double power);
/// With a heat source: a target equal to the start temperature.
extern const char* const kCoolingTargetAtStartMessage;
/// A heat source that is not a finite number.
extern const char* const kCoolingHeatSourceMessage;
/// The fractions of the way to the equilibrium whose times a run with a heat source gives.
constexpr double kCoolingWayShort = 0.63;
constexpr double kCoolingWayLong = 0.95;
extern const char* const kCoolingTimeUndefinedMessage;

/// The time (s) of one step from `t` to `next` (°C) at the coefficient `alpha` over `area`, the heat
/// capacity m·c and the source `power` held over the step: m·c/(α·A)·ln((t − T_eq)/(next − T_eq)),
/// T_eq = tFluid + P/(α·A) (tFluid itself without a source). NaN when `next` lies at or beyond
/// T_eq (the step never ends) or, with a source, when T_eq lies behind `t`; a time that is not finite otherwise is returned as it comes, as
/// infinity when it is no number.
double coolingStepTime(double t, double next, double tFluid, double power, double alpha, double area, double mass,
                       double c);

/// The radiative coefficient in its quotient form, σ folded into the factor 0.01 on each absolute
/// temperature: ε·5.67·[(Tb/100)⁴ − (Tf/100)⁴]/(tBody − tFluid). Undefined for equal temperatures.
double radiativeCoefficientQuotient(double emissivity, double tBody, double tFluid);

/// The checked evaluation at the current body temperature: as the steady state's, with the mean
/// temperature |tBody + tFluid|/2. A failed check has been shown and written to the status text.
bool evaluateCoolingStep(CoolingState& state, const EvaluationInputs& convection, Reporter& reporter);

/// The temperature (°C) at which the body's heat loss over the cooling area (convection, plus
/// radiation when on with the run's emissivity) equals `power`: the design calculation's root
/// finding for the body temperature. NaN when no temperature in the fluid model's range gives it.
double coolingEquilibrium(const CoolingState& state, const CoolingInputs& inputs, double power);

/// One cooling run. Refuses (with a message, before any evaluation) a start equal to the fluid
/// temperature (without a heat source), a target not strictly between the fluid (with a heat
/// source: the equilibrium) and the start, a step count, mass or
/// cooling area that is not positive and, with radiation, a negative emissivity; at a step, a heat
/// capacity that is not positive or a coefficient that is not finite (with its message and status
/// text). A failed check, a step past the fluid temperature or a step time that is not finite ends
/// the run with its message and status text. `data` is null when no data file is kept.
/// A text that is not a number throws ConversionError and abandons the run where it stands.
CoolingOutcome runCooling(CoolingState& state, const CoolingInputs& inputs, Reporter& reporter, CoolingView& view,
                          CoolingDataSink* data);

/// The Biot number of a plate of thickness δ (m) of a material of conductivity λ (W/(m·K)) with the
/// heat transfer coefficient α (W/(m²·K)), half the thickness being the characteristic length:
/// α·δ/(2·λ). How far the body is from the uniform temperature the run assumes.
double biotNumber(double alpha, double thickness, double conductivity);

} // namespace zav
