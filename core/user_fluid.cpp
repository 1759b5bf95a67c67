// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/user_fluid.h"

#include <cmath>

namespace zav {

namespace {

struct RangeMessages {
    const char* meanTemperature;
    const char* fluidTemperature;
};

constexpr RangeMessages kLinearMessages{
    "Stredná teplota je mimo rozsah platnosti aproximačnej rovnice lineárnej regresie!",
    "Teplota tekutiny je mimo rozsah platnosti aproximačnej rovnice lineárnej regresie!"};
constexpr RangeMessages kQuadraticMessages{
    "Stredná teplota je mimo rozsah platnosti aproximačnej rovnice kvadratickej regresie!",
    "Teplota tekutiny je mimo rozsah platnosti aproximačnej rovnice kvadratickej regresie!"};
constexpr RangeMessages kKeloMessages{
    "Stredná teplota je mimo rozsah platnosti aproximačnej rovnice programu KELO!",
    "Teplota tekutiny je mimo rozsah platnosti aproximačnej rovnice programu KELO!"};
constexpr const char* kKeloPressureMessage =
    "Tlak tekutiny je mimo rozsah platnosti aproximačnej rovnice programu KELO!";

bool outsideRange(double value, double low, double high) { return low > value || high < value; }

void checkTemperatures(const ConvectionState& s, const UserFluidModel& m, const RangeMessages& messages,
                       Reporter& reporter) {
    if (outsideRange(s.tMean, m.validTempMin, m.validTempMax))
        reporter.showMessage(messages.meanTemperature);
    if (outsideRange(s.tFluid, m.validTempMin, m.validTempMax))
        reporter.showMessage(messages.fluidTemperature);
}

double linear(const std::array<double, 6>& a, double t) { return a[0] + a[1] * t; }

double quadratic(const std::array<double, 6>& a, double t) { return a[0] + a[1] * t + a[2] * std::pow(t, 2); }

// The KELO form f(p,T) = a0 + a1·p + a2·T + a3·p·T + a4·p² + a5·T².
double kelo(const std::array<double, 6>& a, double p, double T) {
    return a[0] + a[1] * p + a[2] * T + a[3] * p * T + a[4] * std::pow(p, 2) + a[5] * std::pow(T, 2);
}

void constantModel(ConvectionState& s, const UserFluidModel& m) {
    s.dynViscosity = m.dynViscosity;
    s.density = m.density;
    s.conductivity = m.conductivity;
    s.heatCapacity = m.heatCapacity;
    s.kinViscosity = s.dynViscosity / s.density;
    s.expansionCoeff = m.expansionCoeff;
}

// Linear and quadratic polynomials in t; β from a forward difference of the density polynomial
// with the step h (multiplying by 1/h instead of dividing by h).
template <class Polynomial>
void polynomialModel(ConvectionState& s, const UserFluidModel& m, Polynomial polynomial, double step,
                     double perStep) {
    const double t = s.tMean;
    s.dynViscosity = polynomial(m.viscosityCoeffs, t);
    s.density = polynomial(m.densityCoeffs, t);
    s.conductivity = polynomial(m.conductivityCoeffs, t);
    s.heatCapacity = polynomial(m.heatCapacityCoeffs, t);
    s.kinViscosity = s.dynViscosity / s.density;
    s.expansionCoeff = -(1 / s.density) * (polynomial(m.densityCoeffs, t + step) - s.density) * perStep;
}

// A real gas at the pressure of the mixture: ρ = p / (Z·T·r).
void keloModel(ConvectionState& s, const UserFluidModel& m) {
    const double p = m.gasPressure * 1e6;
    const double T = s.tMean + 273.15;
    auto density = [&](double temperature) {
        return p / (kelo(m.compressibilityCoeffs, p, temperature) * temperature * m.gasConstant);
    };
    s.dynViscosity = kelo(m.viscosityCoeffs, p, T) * 1e-6;
    s.density = density(T);
    s.expansionCoeff = -(1 / s.density) * (density(T + 0.2) - s.density) * 5;
    s.conductivity = kelo(m.conductivityCoeffs, p, T) * 0.001;
    s.heatCapacity = kelo(m.heatCapacityCoeffs, p, T);
    s.kinViscosity = s.dynViscosity / s.density;
}

} // namespace

void computeUserFluidProperties(ConvectionState& state, const UserFluidModel& model, Reporter& reporter) {
    switch (model.kind) {
    case ApproximationKind::Constant:
        constantModel(state, model);
        break;
    case ApproximationKind::Linear:
        checkTemperatures(state, model, kLinearMessages, reporter);
        polynomialModel(state, model, linear, 0.1, 10);
        break;
    case ApproximationKind::Quadratic:
        checkTemperatures(state, model, kQuadraticMessages, reporter);
        polynomialModel(state, model, quadratic, 0.2, 5);
        break;
    case ApproximationKind::KELO:
        checkTemperatures(state, model, kKeloMessages, reporter);
        if (outsideRange(model.gasPressure, model.validPressureMin, model.validPressureMax))
            reporter.showMessage(kKeloPressureMessage);
        keloModel(state, model);
        break;
    }
}

} // namespace zav
