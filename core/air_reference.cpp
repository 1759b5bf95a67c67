// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/air_reference.h"

#include "core/air_reference_detail.h"

#include <cmath>
#include <limits>

namespace zav {

namespace {

// Air as a pseudo-pure fluid (Lemmon, Jacobsen, Penoncello and Friend 2000): the reducing
// temperature and molar density, the molar mass and the gas constant of the equation of state.
constexpr double kReducingTemperature = 132.6312;                        // K
constexpr double kReducingDensity = 10.4477;                             // mol/dm³
constexpr double kMolarMass = 28.96546;                                  // g/mol
constexpr double kGasConstant = 8.31451;                                 // J/(mol·K)
constexpr double kSpecificGasConstant = kGasConstant / kMolarMass * 1e3; // J/(kg·K)
constexpr double kReducingMassDensity = kReducingDensity * kMolarMass;   // kg/m³
constexpr double kPressure = 101325;                                     // Pa
constexpr double kKelvinOffset = 273.15;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Residual Helmholtz energy α_r/(RT): the sum of n·δ^d·τ^t, times exp(-δ^l) where l > 0.
struct ResidualTerm {
    double n;
    int d;
    double t;
    int l;
};

constexpr int kResidualTermCount = 19;
constexpr ResidualTerm kResidualTerms[kResidualTermCount] = {
    {0.118160747229, 1, 0, 0},      {0.713116392079, 1, 0.33, 0},    {-1.61824192067, 1, 1.01, 0},
    {0.0714140178971, 2, 0, 0},     {-0.0865421396646, 3, 0, 0},     {0.134211176704, 3, 0.15, 0},
    {0.0112626704218, 4, 0, 0},     {-0.0420533228842, 4, 0.2, 0},   {0.0349008431982, 4, 0.35, 0},
    {1.64957183186e-4, 6, 1.35, 0}, {-0.101365037912, 1, 1.6, 1},    {-0.17381369097, 3, 0.8, 1},
    {-0.0472103183731, 5, 0.95, 1}, {-0.0122523554253, 6, 1.25, 1},  {-0.146629609713, 1, 3.6, 2},
    {-0.0316055879821, 3, 6, 2},    {2.33594806142e-4, 11, 3.25, 2}, {0.0148287891978, 1, 3.5, 3},
    {-0.00938782884667, 3, 15, 3},
};
constexpr int kMaxDensityExponent = 11;

// The coefficients n·τ^t of one temperature; every density step reuses them.
struct TemperatureTerms {
    double tK;
    double tau; // T_j/T
    double lnTau;
    double coefficient[kResidualTermCount];
};

TemperatureTerms temperatureTerms(double tK) {
    TemperatureTerms terms;
    terms.tK = tK;
    terms.tau = kReducingTemperature / tK;
    terms.lnTau = std::log(terms.tau);
    for (int k = 0; k < kResidualTermCount; ++k) {
        const ResidualTerm& term = kResidualTerms[k];
        terms.coefficient[k] = term.t == 0 ? term.n : term.n * std::exp(term.t * terms.lnTau);
    }
    return terms;
}

// The reduced derivatives of α_r at one state, in the combinations the properties need.
struct ResidualDerivatives {
    double delta; // ρ/ρ_j, where they were evaluated
    double d1;    // δ·∂α_r/∂δ
    double d2;    // δ²·∂²α_r/∂δ²
    double dt;    // δ·τ·∂²α_r/∂δ∂τ
    double tt;    // τ²·∂²α_r/∂τ²
};

ResidualDerivatives residualDerivatives(const TemperatureTerms& terms, double delta) {
    double deltaPower[kMaxDensityExponent + 1];
    deltaPower[0] = 1;
    for (int i = 1; i <= kMaxDensityExponent; ++i)
        deltaPower[i] = deltaPower[i - 1] * delta;
    // For a term with exp(-δ^l), δ·∂/∂δ brings out m = d - l·δ^l.
    const double expDelta[4] = {1, std::exp(-delta), std::exp(-deltaPower[2]), std::exp(-deltaPower[3])};

    ResidualDerivatives r{delta, 0, 0, 0, 0};
    for (int k = 0; k < kResidualTermCount; ++k) {
        const ResidualTerm& term = kResidualTerms[k];
        const double a = terms.coefficient[k] * deltaPower[term.d] * expDelta[term.l];
        const double lDeltaL = term.l * deltaPower[term.l];
        const double m = term.d - lDeltaL;
        r.d1 += a * m;
        r.d2 += a * (m * (m - 1) - term.l * lDeltaL);
        r.dt += a * term.t * m;
        r.tt += a * term.t * (term.t - 1);
    }
    return r;
}

// The state at 101 325 Pa: Newton's method on p(ρ) = ρRT(1 + δ·∂α_r/∂δ), from the ideal gas.
// At one atmosphere and above 150 K air is a dilute gas (δ < 0.01), nearly ideal: the start is
// within 0.7 % of the root and two steps reach the tolerance. The properties belong to the last
// state evaluated, which lies within the tolerance of the root.
ResidualDerivatives stateAtAtmosphericPressure(const TemperatureTerms& terms) {
    constexpr double tolerance = 1e-13;
    constexpr int maxSteps = 20;
    // p/(ρ_j·R·T): the reduced density of the ideal gas.
    const double idealDelta = kPressure / (kReducingMassDensity * kSpecificGasConstant * terms.tK);
    double delta = idealDelta;
    ResidualDerivatives r = residualDerivatives(terms, delta);
    for (int step = 0; step < maxSteps; ++step) {
        const double change = (delta * (1 + r.d1) - idealDelta) / (1 + 2 * r.d1 + r.d2);
        if (!(std::fabs(change) > tolerance * delta)) // also ends on NaN
            break;
        delta -= change;
        r = residualDerivatives(terms, delta);
    }
    return r;
}

// Reduced isochoric heat capacity of the ideal gas, c_v0/R = -τ²·∂²α_0/∂τ². The ideal-gas part
//   α_0 = ln δ + Σ N_i·τ^(i-4) (i = 1..5) + N_6·τ^1.5 + N_7·ln τ + N_8·ln(1 - exp(-N_11·τ))
//         + N_9·ln(1 - exp(-N_12·τ)) + N_10·ln(2/3 + exp(N_13·τ));
// N_4 and N_5 (τ^0 and τ^1) only fix the zero of energy and entropy and drop out here. The
// exponentials are written with exp(-x), which stays finite at every positive τ.
double idealGasReducedCv(double tau) {
    constexpr double n1 = 0.6057194e-7, n2 = -0.210274769e-4, n3 = -0.158860716e-3;
    constexpr double n6 = -0.19536342e-3, n7 = 2.490888032;
    constexpr double n8 = 0.791309509, n9 = 0.212236768, n10 = -0.197938904;
    constexpr double n11 = 25.36365, n12 = 16.90741, n13 = 87.31279;

    const double inv = 1 / tau;
    // τ²·d²/dτ² of τ^k is k(k-1)·τ^k: 12, 6 and 2 for k = -3, -2, -1; 0.75 for k = 1.5.
    double tt = inv * (2 * n3 + inv * (6 * n2 + inv * 12 * n1)) + 0.75 * n6 * tau * std::sqrt(tau) - n7;
    // ln(1 - exp(-x)): τ²·d²/dτ² = -x²·exp(-x)/(1 - exp(-x))², with x = θ·τ.
    const auto vibration = [tau](double n, double theta) {
        const double x = theta * tau;
        const double em = std::expm1(-x); // exp(-x) - 1
        return n * x * x * (em + 1) / (em * em);
    };
    tt -= vibration(n8, n11) + vibration(n9, n12);
    // ln(2/3 + exp(y)): τ²·d²/dτ² = y²·(2/3)·exp(-y)/(1 + (2/3)·exp(-y))², with y = N_13·τ.
    const double y = n13 * tau;
    const double e = 2.0 / 3 * std::exp(-y);
    tt += n10 * y * y * e / ((1 + e) * (1 + e));
    return -tt;
}

// Transport (Lemmon and Jacobsen 2004) works with the molar mass that paper gives for air, and
// with the same reducing temperature and density as the equation of state.
constexpr double kTransportMolarMass = 28.9586; // g/mol

struct TransportState {
    double tK;
    double lnTau;
    double delta;
};

// Dilute-gas viscosity, µPa·s: η_0 = 0.0266958·√(M·T)/(σ²·Ω(T*)), T* = T/(ε/k), with
// ε/k = 103.3 K, σ = 0.360 nm and the collision integral ln Ω = Σ b_i·(ln T*)^i.
double diluteGasViscosity(double tK) {
    constexpr double epsilonOverK = 103.3; // K
    constexpr double sigma = 0.360;        // nm
    constexpr double b0 = 0.431, b1 = -0.4623, b2 = 0.08406, b3 = 0.005341, b4 = -0.00331;
    const double s = std::log(tK / epsilonOverK);
    const double omega = std::exp(b0 + s * (b1 + s * (b2 + s * (b3 + s * b4))));
    return 0.0266958 * std::sqrt(kTransportMolarMass * tK) / (sigma * sigma * omega);
}

// Viscosity, µPa·s: the dilute gas plus the residual terms Σ N_i·τ^t_i·δ^d_i·exp(-γ_i·δ^l_i).
double viscosity(const TransportState& s) {
    const double delta = s.delta;
    const double delta4 = delta * delta * delta * delta;
    const double delta8 = delta4 * delta4;
    const double residual =
        10.72 * std::exp(0.2 * s.lnTau) * delta + 1.122 * std::exp(0.05 * s.lnTau) * delta4 +
        0.002019 * std::exp(2.4 * s.lnTau) * delta8 * delta +
        (-8.876 * std::exp(0.6 * s.lnTau) * delta - 0.02916 * std::exp(3.6 * s.lnTau) * delta8) *
            std::exp(-delta);
    return diluteGasViscosity(s.tK) + residual;
}

// Thermal conductivity, mW/(m·K): the dilute gas, λ_0 = 1.308·η_0 + 1.405·τ^-1.1 - 1.036·τ^-0.3
// (η_0 in µPa·s), plus the residual terms.
//
// The critical enhancement of the paper (Olchowy and Sengers) is left out. It grows with
// χ(T) - χ(T_ref)·T_ref/T, the difference in reduced compressibility from T_ref = 265.262 K at the
// same density, and vanishes where that difference is negative: at one atmosphere, everywhere from
// T_ref to 2300 K. Below T_ref air at one atmosphere is so dilute that the difference stays below
// 4e-6 and the enhancement below 4e-6 of the conductivity down to 200 K (2e-5 at 150 K), a hundred
// times below the accuracy kept here; it would cost an equation-of-state evaluation at T_ref in
// every call.
double conductivity(const TransportState& s) {
    const double delta = s.delta;
    const double delta2 = delta * delta;
    const double delta3 = delta2 * delta;
    const double delta7 = delta3 * delta3 * delta;
    const double dilute = 1.308 * diluteGasViscosity(s.tK) + 1.405 * std::exp(-1.1 * s.lnTau) -
                          1.036 * std::exp(-0.3 * s.lnTau);
    const double residual =
        8.743 * std::exp(0.1 * s.lnTau) * delta + 14.76 * delta2 +
        (-16.62 * std::exp(0.5 * s.lnTau) * delta3 + 3.793 * std::exp(2.7 * s.lnTau) * delta7 -
         6.142 * std::exp(0.3 * s.lnTau) * delta7 -
         0.3778 * std::exp(1.3 * s.lnTau) * delta7 * delta3 * delta) *
            std::exp(-delta2);
    return dilute + residual;
}

// (∂p/∂T)_ρ/(ρR) and (∂p/∂ρ)_T/(RT).
double pressureTemperatureDerivative(const ResidualDerivatives& r) {
    return 1 + r.d1 - r.dt;
}
double pressureDensityDerivative(const ResidualDerivatives& r) {
    return 1 + 2 * r.d1 + r.d2;
}

// β = (1/v)(∂v/∂T)_p = (∂p/∂T)_ρ/(ρ·(∂p/∂ρ)_T).
double expansionCoeff(const TemperatureTerms& terms, const ResidualDerivatives& r) {
    return pressureTemperatureDerivative(r) / (terms.tK * pressureDensityDerivative(r));
}

// c_p = c_v + R·(1 + δα_δ - δτα_δτ)²/(1 + 2δα_δ + δ²α_δδ), c_v = c_v0 - R·τ²α_r,ττ; J/(kg·K).
double heatCapacity(const TemperatureTerms& terms, const ResidualDerivatives& r) {
    const double dpdT = pressureTemperatureDerivative(r);
    return kSpecificGasConstant *
           (idealGasReducedCv(terms.tau) - r.tt + dpdT * dpdT / pressureDensityDerivative(r));
}

} // namespace

AirReference airReference(double t) {
    const double tK = t + kKelvinOffset;
    if (!(tK > 0))
        return {kNaN, kNaN, kNaN, kNaN, kNaN};
    const TemperatureTerms terms = temperatureTerms(tK);
    const ResidualDerivatives r = stateAtAtmosphericPressure(terms);
    const TransportState transport{tK, terms.lnTau, r.delta};
    return {r.delta * kReducingMassDensity, heatCapacity(terms, r), expansionCoeff(terms, r),
            viscosity(transport) * 1e-6, conductivity(transport) * 1e-3};
}

double airReferenceExpansion(double t) {
    const double tK = t + kKelvinOffset;
    if (!(tK > 0))
        return kNaN;
    const TemperatureTerms terms = temperatureTerms(tK);
    return expansionCoeff(terms, stateAtAtmosphericPressure(terms));
}

namespace detail {

AirState airState(double tK, double molarDensity) {
    const TemperatureTerms terms = temperatureTerms(tK);
    const ResidualDerivatives r = residualDerivatives(terms, molarDensity / kReducingDensity);
    const double pressure = molarDensity * 1e3 * kGasConstant * tK * (1 + r.d1);
    return {pressure, heatCapacity(terms, r), expansionCoeff(terms, r)};
}

double airViscosity(double tK, double molarDensity) {
    return viscosity({tK, std::log(kReducingTemperature / tK), molarDensity / kReducingDensity}) * 1e-6;
}

double airConductivity(double tK, double molarDensity) {
    return conductivity({tK, std::log(kReducingTemperature / tK), molarDensity / kReducingDensity}) * 1e-3;
}

} // namespace detail

} // namespace zav
