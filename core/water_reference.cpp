// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/water_reference.h"

#include "core/water_reference_detail.h"

#include <array>
#include <cmath>

namespace zav {

namespace {

constexpr double kPressure = 101325;     // Pa, the one pressure the module serves
constexpr double kKelvinOffset = 273.15; // K at 0 °C

// ---- IAPWS-IF97 region 1 ----------------------------------------------------------------------
// The liquid's dimensionless Gibbs free energy g/(RT) = γ(π, τ) = Σ n_i (7.1 − π)^I_i (τ − 1.222)^J_i
// with π = p/p*, τ = T*/T. It holds from 273.15 K to 623.15 K at pressures from saturation to
// 100 MPa and continues smoothly into the metastable liquid close to those bounds, so a degree below
// 0 °C or above 100 °C at 101 325 Pa still gives the liquid's values.

constexpr double kIf97PressureStar = 16.53e6; // Pa
constexpr double kIf97TemperatureStar = 1386; // K
constexpr double kIf97GasConstant = 461.526;  // J/(kg·K), the specific gas constant of IF97

struct GibbsTerm {
    int i;
    int j;
    double n;
};

constexpr GibbsTerm kRegion1[] = {
    {0, -2, 0.14632971213167},       {0, -1, -0.84548187169114},       {0, 0, -0.37563603672040e1},
    {0, 1, 0.33855169168385e1},      {0, 2, -0.95791963387872},        {0, 3, 0.15772038513228},
    {0, 4, -0.16616417199501e-1},    {0, 5, 0.81214629983568e-3},      {1, -9, 0.28319080123804e-3},
    {1, -7, -0.60706301565874e-3},   {1, -1, -0.18990068218419e-1},    {1, 0, -0.32529748770505e-1},
    {1, 1, -0.21841717175414e-1},    {1, 3, -0.52838357969930e-4},     {2, -3, -0.47184321073267e-3},
    {2, 0, -0.30001780793026e-3},    {2, 1, 0.47661393906987e-4},      {2, 3, -0.44141845330846e-5},
    {2, 17, -0.72694996297594e-15},  {3, -4, -0.31679644845054e-4},    {3, 0, -0.28270797985312e-5},
    {3, 6, -0.85205128120103e-9},    {4, -5, -0.22425281908000e-5},    {4, -2, -0.65171222895601e-6},
    {4, 10, -0.14341729937924e-12},  {5, -8, -0.40516996860117e-6},    {8, -11, -0.12734301741641e-8},
    {8, -6, -0.17424871230634e-9},   {21, -29, -0.68762131295531e-18}, {23, -31, 0.14478307828521e-19},
    {29, -38, 0.26335781662795e-22}, {30, -39, -0.11947622640071e-22}, {31, -40, 0.18228094581404e-23},
    {32, -41, -0.93537087292458e-25}};

constexpr int kTermCount = sizeof(kRegion1) / sizeof(kRegion1[0]);

constexpr double integerPower(double x, int k) {
    double r = 1;
    for (int m = 0; m < k; ++m)
        r *= x;
    return r;
}

// At a fixed pressure every term's factor in π is a number, so each derivative of γ that the
// properties need is a sum over the terms of a constant times a power of x = τ − 1.222:
//   γ_π  = Σ −n I (7.1 − π)^(I−1) x^J
//   γ_ττ = Σ  n (7.1 − π)^I J (J − 1) x^(J−2)
//   γ_πτ = Σ −n I (7.1 − π)^(I−1) J x^(J−1)
struct FoldedTerm {
    int j;
    double pi;
    double tauTau;
    double piTau;
};

using FoldedRegion1 = std::array<FoldedTerm, kTermCount>;

constexpr FoldedRegion1 foldRegion1(double pressure) {
    const double a = 7.1 - pressure / kIf97PressureStar;
    FoldedRegion1 folded{};
    for (int k = 0; k < kTermCount; ++k) {
        const GibbsTerm& g = kRegion1[k];
        const double dPi = g.i == 0 ? 0 : -g.n * g.i * integerPower(a, g.i - 1);
        folded[k] = {g.j, dPi, g.n * integerPower(a, g.i) * g.j * (g.j - 1), dPi * g.j};
    }
    return folded;
}

// Folded once, when compiling, for the module's pressure.
constexpr FoldedRegion1 kFolded = foldRegion1(kPressure);

// The powers x^k for k from −43 (J − 2 of the lowest J, −41) to 17 (the highest J), built by
// repeated multiplication from x and 1/x.
constexpr int kLowestPower = -43;
constexpr int kHighestPower = 17;

struct TauPowers {
    double p[kHighestPower - kLowestPower + 1];
    double operator()(int k) const { return p[k - kLowestPower]; }
};

TauPowers tauPowers(double tK) {
    const double x = kIf97TemperatureStar / tK - 1.222;
    TauPowers w;
    double* const one = w.p - kLowestPower;
    one[0] = 1;
    for (int k = 1; k <= kHighestPower; ++k)
        one[k] = one[k - 1] * x;
    const double inverse = 1 / x;
    for (int k = -1; k >= kLowestPower; --k)
        one[k] = one[k + 1] * inverse;
    return w;
}

// v = π γ_π R T / p = γ_π R T / p*, so ρ = p* / (R T γ_π).
double region1Density(double tK, double gammaPi) {
    return kIf97PressureStar / (kIf97GasConstant * tK * gammaPi);
}

double region1Density(const FoldedRegion1& terms, double tK) {
    const TauPowers x = tauPowers(tK);
    double gPi = 0;
    for (const FoldedTerm& f : terms)
        gPi += f.pi * x(f.j);
    return region1Density(tK, gPi);
}

detail::WaterRegion1 region1(const FoldedRegion1& terms, double tK) {
    const TauPowers x = tauPowers(tK);
    double gPi = 0;
    double gTauTau = 0;
    double gPiTau = 0;
    for (const FoldedTerm& f : terms) {
        gPi += f.pi * x(f.j);
        gTauTau += f.tauTau * x(f.j - 2);
        gPiTau += f.piTau * x(f.j - 1);
    }
    const double tau = kIf97TemperatureStar / tK;
    return {region1Density(tK, gPi),
            -tau * tau * gTauTau * kIf97GasConstant, // cp = −τ² γ_ττ R
            (1 - tau * gPiTau / gPi) / tK};          // β = (1 − τ γ_πτ/γ_π) / T
}

// ---- Transport properties -----------------------------------------------------------------------
// Both formulations reduce the state by the critical point, T̄ = T/T*, ρ̄ = ρ/ρ*, and split into a
// dilute-gas factor of T̄ alone and a residual factor of T̄ and ρ̄.

constexpr double kCriticalTemperature = 647.096; // K, T* of the 2008 and 2011 formulations
constexpr double kCriticalDensity = 322;         // kg/m³, ρ*
constexpr double kViscosityStar = 1e-6;          // Pa·s
constexpr double kConductivityStar = 1e-3;       // W/(m·K)

struct ReducedState {
    double sqrtT;    // √T̄
    double inverseT; // 1/T̄
    double rho;      // ρ̄
};

ReducedState reduce(double tK, double density) {
    const double tBar = tK / kCriticalTemperature;
    return {std::sqrt(tBar), 1 / tBar, density / kCriticalDensity};
}

// Σ_k c_k s^k by Horner's rule.
template <std::size_t N> double polynomial(const double (&c)[N], double s) {
    double sum = 0;
    for (std::size_t k = N; k-- > 0;)
        sum = sum * s + c[k];
    return sum;
}

// Σ_i u^i Σ_j c_ij w^j, the double sum of both residual factors.
template <std::size_t Rows, std::size_t Columns>
double doubleSum(const double (&c)[Rows][Columns], double u, double w) {
    double sum = 0;
    for (std::size_t i = Rows; i-- > 0;)
        sum = sum * u + polynomial(c[i], w);
    return sum;
}

// IAPWS 2008: μ/μ* = μ̄0(T̄) · μ̄1(T̄, ρ̄) · μ̄2. The critical enhancement μ̄2 departs from 1 only
// in a small region around the critical point, so it is 1 here, as the release recommends for
// industrial use.

// μ̄0 = 100 √T̄ / Σ H_i / T̄^i.
constexpr double kViscosityDilute[] = {1.67752, 2.20462, 0.6366564, -0.241605};

// μ̄1 = exp(ρ̄ Σ_i (1/T̄ − 1)^i Σ_j H_ij (ρ̄ − 1)^j); row i, column j.
constexpr double kViscosityResidual[6][7] = {
    {5.20094e-1, 2.22531e-1, -2.81378e-1, 1.61913e-1, -3.25372e-2, 0, 0},
    {8.50895e-2, 9.99115e-1, -9.06851e-1, 2.57399e-1, 0, 0, 0},
    {-1.08374, 1.88797, -7.72479e-1, 0, 0, 0, 0},
    {-2.89555e-1, 1.26613, -4.89837e-1, 0, 6.98452e-2, 0, -4.35673e-3},
    {0, 0, -2.57040e-1, 0, 0, 8.72102e-3, 0},
    {0, 1.20573e-1, 0, 0, 0, 0, -5.93264e-4}};

double viscosity(const ReducedState& s) {
    const double dilute = 100 * s.sqrtT / polynomial(kViscosityDilute, s.inverseT);
    const double residual = std::exp(s.rho * doubleSum(kViscosityResidual, s.inverseT - 1, s.rho - 1));
    return kViscosityStar * dilute * residual;
}

// IAPWS 2011: λ/λ* = λ̄0(T̄) · λ̄1(T̄, ρ̄) + λ̄2(T̄, ρ̄). The critical enhancement λ̄2 is left out
// because it is exactly zero at the liquid states of this module. It grows from
// Δχ̄ = ρ̄ [ζ(T̄, ρ̄) − ζ(T̄_R, ρ̄) T̄_R/T̄], ζ = (∂ρ̄/∂p̄)_T, T̄_R = 1.5, and vanishes where Δχ̄ ≤ 0.
// With ζ(T̄, ρ̄) of the liquid from IF97 and ζ(T̄_R, ρ̄) from the release's correlation for
// industrial use, the liquid's ζ is 76 % (0 °C) to 83 % (100 °C) of the reference term at
// 101 325 Pa: Δχ̄ stays negative throughout.

// λ̄0 = √T̄ / Σ L_k / T̄^k.
constexpr double kConductivityDilute[] = {2.443221e-3, 1.323095e-2, 6.770357e-3, -3.454586e-3, 4.096266e-4};

// λ̄1 = exp(ρ̄ Σ_i (1/T̄ − 1)^i Σ_j L_ij (ρ̄ − 1)^j); row i, column j.
constexpr double kConductivityResidual[5][6] = {
    {1.60397357, -0.646013523, 0.111443906, 0.102997357, -0.0504123634, 0.00609859258},
    {2.33771842, -2.78843778, 1.53616167, -0.463045512, 0.0832827019, -0.00719201245},
    {2.19650529, -4.54580785, 3.55777244, -1.40944978, 0.275418278, -0.0205938816},
    {-1.21051378, 1.60812989, -0.621178141, 0.0716373224, 0, 0},
    {-2.7203370, 4.57586331, -3.18369245, 1.1168348, -0.19268305, 0.012913842}};

double conductivity(const ReducedState& s) {
    const double dilute = s.sqrtT / polynomial(kConductivityDilute, s.inverseT);
    const double residual = std::exp(s.rho * doubleSum(kConductivityResidual, s.inverseT - 1, s.rho - 1));
    return kConductivityStar * dilute * residual;
}

} // namespace

WaterReference waterReference(double t) {
    const double tK = t + kKelvinOffset;
    const detail::WaterRegion1 liquid = region1(kFolded, tK);
    const ReducedState s = reduce(tK, liquid.density);
    return {liquid.density, liquid.heatCapacity, liquid.expansionCoeff, viscosity(s), conductivity(s)};
}

double waterReferenceConductivity(double t) {
    const double tK = t + kKelvinOffset;
    return conductivity(reduce(tK, region1Density(kFolded, tK)));
}

namespace detail {

WaterRegion1 waterRegion1(double tK, double pressure) {
    return region1(foldRegion1(pressure), tK);
}

double waterViscosity(double tK, double density) {
    return viscosity(reduce(tK, density));
}

double waterConductivity(double tK, double density) {
    return conductivity(reduce(tK, density));
}

} // namespace detail

} // namespace zav
