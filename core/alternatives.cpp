// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/alternatives.h"

#include "core/correlations.h"
#include "core/nusselt.h"
#include "core/number_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zav {

namespace {

constexpr double kPi = 3.14159265358979323846;

// The Churchill–Chu Prandtl term [1 + (a/Pr)^(9/16)].
double prandtlTerm(double a, double pr) { return 1 + std::pow(a / pr, 9.0 / 16.0); }

// "3,2e10", "7,9e8", "0,5": two significant digits, a power of ten outside 0,001 to 10^5.
std::string shortNumber(double value) {
    const double magnitude = std::fabs(value);
    if (magnitude != 0 && (magnitude < 1e-3 || magnitude >= 1e5)) {
        char text[32];
        std::snprintf(text, sizeof text, "%.1e", value);
        std::string mantissa(text, std::strchr(text, 'e'));
        const int exponent = std::atoi(std::strchr(text, 'e') + 1);
        if (mantissa.size() > 2 && mantissa.compare(mantissa.size() - 2, 2, ".0") == 0)
            mantissa.resize(mantissa.size() - 2);
        for (char& c : mantissa) {
            if (c == '.')
                c = ',';
        }
        return mantissa + "e" + std::to_string(exponent);
    }
    return formatSignificant(value, 2);
}

// The Rayleigh number on the shape's own length, whatever the correlation wrote into the state.
double rayleighOf(const ShapePoint& p) { return p.grashof * p.prandtl; }

double ownLength(const ShapePoint& p) { return p.charLength; }

// The horizontal cylinder's diameter: its length l is (π/2)·D.
double cylinderDiameter(const ShapePoint& p) { return 2 * p.charLength / kPi; }

// The vertical cylinder's diameter from its lateral area A = π·d·l.
double verticalCylinderDiameter(const ShapePoint& p) { return p.area / (kPi * p.charLength); }

// The square root of the sphere's area: √(π·D²).
double sphereRootArea(const ShapePoint& p) { return std::sqrt(kPi) * p.charLength; }

// The square root of the cube's area √(6·s²), its edge s from l = 3·s·√π.
double cubeRootArea(const ShapePoint& p) { return std::sqrt(6.0) * p.charLength / (3 * std::sqrt(kPi)); }

bool between(double value, double low, double high) { return value >= low && value <= high; }

} // namespace

std::string signedPercent(double fraction) {
    const long rounded = std::lround(fraction * 100);
    if (rounded == 0)
        return "0";
    return (rounded < 0 ? "\u2212" : "+") + std::to_string(std::labs(rounded));
}

double churchillChuLaminarNusselt(double pr, double ra) {
    return 0.68 + 0.670 * std::pow(ra, 0.25) / std::pow(prandtlTerm(0.492, pr), 4.0 / 9.0);
}

double churchillChuPlateNusselt(double pr, double ra) {
    const double root = 0.825 + 0.387 * std::pow(ra, 1.0 / 6.0) / std::pow(prandtlTerm(0.492, pr), 8.0 / 27.0);
    return root * root;
}

double mcAdamsPlateNusselt(double ra) { return ra <= 1e9 ? 0.59 * std::pow(ra, 0.25) : 0.10 * std::cbrt(ra); }

double mcAdamsHorizontalNusselt(double ra, bool rising) {
    if (!rising)
        return 0.27 * std::pow(ra, 0.25);
    return ra <= 1e7 ? 0.54 * std::pow(ra, 0.25) : 0.15 * std::cbrt(ra);
}

double raithbyHollandsHorizontalNusselt(double pr, double ra, bool rising) {
    if (!rising) {
        const double thin = 0.527 * std::pow(ra, 0.2) / std::pow(1 + std::pow(1.9 / pr, 0.9), 2.0 / 9.0);
        return 2.5 / std::log(1 + 2.5 / thin);
    }
    const double cl = 0.671 / std::pow(prandtlTerm(0.492, pr), 4.0 / 9.0);
    const double thin = 0.835 * cl * std::pow(ra, 0.25);
    const double laminar = 1.4 / std::log(1 + 1.4 / thin);
    const double turbulent = 0.14 * (1 + 0.0107 * pr) / (1 + 0.01 * pr) * std::cbrt(ra);
    return std::pow(std::pow(laminar, 10) + std::pow(turbulent, 10), 0.1);
}

double morganCylinderNusselt(double raD) {
    double c = 0.125;
    double n = 0.333;
    if (raD < 1e-2) {
        c = 0.675;
        n = 0.058;
    } else if (raD < 1e2) {
        c = 1.02;
        n = 0.148;
    } else if (raD < 1e4) {
        c = 0.850;
        n = 0.188;
    } else if (raD < 1e7) {
        c = 0.480;
        n = 0.250;
    }
    return c * std::pow(raD, n);
}

double kuehnGoldsteinNusselt(double pr, double raD) {
    const double laminar = 0.518 * std::pow(raD, 0.25) * std::pow(1 + std::pow(0.559 / pr, 0.6), -5.0 / 12.0);
    const double turbulent = 0.1 * std::cbrt(raD);
    const double boundary = std::pow(std::pow(laminar, 15) + std::pow(turbulent, 15), 1.0 / 15.0);
    return 2 / std::log(1 + 2 / boundary);
}

double churchillSphereNusselt(double pr, double raD) {
    const double term = prandtlTerm(0.469, pr);
    return 2 + 0.589 * std::pow(raD, 0.25) / std::pow(term, 4.0 / 9.0) *
                   std::pow(1 + 7.44e-8 * raD / std::pow(term, 16.0 / 9.0), 1.0 / 12.0);
}

double yovanovichNusselt(double pr, double raSqrtA, double conductionLimit, double gFactor) {
    const double f = 0.670 / std::pow(prandtlTerm(0.5, pr), 4.0 / 9.0);
    return conductionLimit + gFactor * f * std::pow(raSqrtA, 0.25);
}

double popielChurchillNusselt(double pr, double ra, double heightOverDiameter) {
    const double b = 0.0571322 + 0.20305 * std::pow(pr, -0.43);
    const double c = 0.9165 - 0.0043 * std::sqrt(pr) + 0.01333 * std::log(pr) + 0.0004809 / pr;
    const double gr = ra / pr;
    return churchillChuPlateNusselt(pr, ra) *
           (1 + b * std::pow(std::sqrt(32.0) * std::pow(gr, -0.25) * heightOverDiameter, c));
}

double mcAdamsWeissSaundersNusselt(double ra) {
    return ra <= 1e9 ? 0.59 * std::pow(ra, 0.25) : 0.13 * std::cbrt(ra);
}

// The rows. A length function gives the alternative's length from the shape's inputs; the
// Nusselt and range functions take the Rayleigh number on that length.
const AlternativeCorrelation kVerticalPlateAlternatives[2] = {
    {"churchill-chu-laminar", "Churchill a Chu (1975), laminárna", "Ra ≤ 10^9", ownLength,
     [](double pr, double ra, const ShapePoint&) { return churchillChuLaminarNusselt(pr, ra); },
     [](double, double ra, const ShapePoint&) { return ra <= 1e9; }},
    {"mcadams", "McAdams (1954)", "10^4 ≤ Ra ≤ 10^13", ownLength,
     [](double, double ra, const ShapePoint&) { return mcAdamsPlateNusselt(ra); },
     [](double, double ra, const ShapePoint&) { return between(ra, 1e4, 1e13); }},
};

const AlternativeCorrelation kInclinedPlateAlternatives[1] = {
    {"churchill-chu-cos", "Churchill a Chu (1975) s g·cos θ", "0,1 ≤ Ra·cos θ ≤ 10^12, θ ≤ 60°", ownLength,
     [](double pr, double ra, const ShapePoint& p) {
         return churchillChuPlateNusselt(pr, ra * std::cos(p.angleDeg * kPi / 180));
     },
     [](double, double ra, const ShapePoint& p) {
         return between(ra * std::cos(p.angleDeg * kPi / 180), 0.1, 1e12) && between(p.angleDeg, 0, 60);
     }},
};

const AlternativeCorrelation kHorizontalPlateAlternatives[2] = {
    {"mcadams-horizontal", "McAdams (1954), l = A/P",
     "voľná plocha 10^4 ≤ Ra ≤ 10^11, zadržiavajúca 10^5 ≤ Ra ≤ 10^10", ownLength,
     [](double, double ra, const ShapePoint& p) { return mcAdamsHorizontalNusselt(ra, p.face == PlateFace::Rising); },
     [](double, double ra, const ShapePoint& p) {
         return p.face == PlateFace::Rising ? between(ra, 1e4, 1e11) : between(ra, 1e5, 1e10);
     }},
    {"raithby-hollands-horizontal", "Raithby a Hollands (1998), l = A/P",
     "voľná plocha 1 ≤ Ra ≤ 10^10, zadržiavajúca 10^3 ≤ Ra ≤ 10^10", ownLength,
     [](double pr, double ra, const ShapePoint& p) {
         return raithbyHollandsHorizontalNusselt(pr, ra, p.face == PlateFace::Rising);
     },
     [](double, double ra, const ShapePoint& p) {
         return p.face == PlateFace::Rising ? between(ra, 1, 1e10) : between(ra, 1e3, 1e10);
     }},
};

const AlternativeCorrelation kCubeAlternatives[1] = {
    {"yovanovich", "Yovanovich (1987), l = √A", "Ra_√A ≤ 10^8", cubeRootArea,
     [](double pr, double ra, const ShapePoint&) { return yovanovichNusselt(pr, ra, 3.388, 0.951); },
     [](double, double ra, const ShapePoint&) { return ra <= 1e8; }},
};

const AlternativeCorrelation kVerticalCylinderAlternatives[2] = {
    {"popiel-churchill", "Popiel a Churchill (2008)", "10^4 ≤ Ra ≤ 10^9, 0,01 ≤ Pr ≤ 100, l/d ≤ 60", ownLength,
     [](double pr, double ra, const ShapePoint& p) {
         return popielChurchillNusselt(pr, ra, p.charLength / verticalCylinderDiameter(p));
     },
     [](double pr, double ra, const ShapePoint& p) {
         return between(ra, 1e4, 1e9) && between(pr, 0.01, 100) && p.charLength / verticalCylinderDiameter(p) <= 60;
     }},
    {"mcadams-weiss-saunders", "McAdams, Weise a Saunders (1954)", "10^4 ≤ Ra ≤ 10^12, d/l ≥ 35·Gr^(−1/4)",
     ownLength, [](double, double ra, const ShapePoint&) { return mcAdamsWeissSaundersNusselt(ra); },
     [](double pr, double ra, const ShapePoint& p) {
         return between(ra, 1e4, 1e12) &&
                verticalCylinderDiameter(p) / p.charLength >= 35 * std::pow(ra / pr, -0.25);
     }},
};

const AlternativeCorrelation kHorizontalCylinderAlternatives[2] = {
    {"morgan", "Morgan (1975), l = D", "10^-10 ≤ Ra_D ≤ 10^12", cylinderDiameter,
     [](double, double ra, const ShapePoint&) { return morganCylinderNusselt(ra); },
     [](double, double ra, const ShapePoint&) { return between(ra, 1e-10, 1e12); }},
    {"kuehn-goldstein", "Kuehn a Goldstein (1976), l = D", "Ra_D ≤ 10^12, Pr ≥ 0,7", cylinderDiameter,
     [](double pr, double ra, const ShapePoint&) { return kuehnGoldsteinNusselt(pr, ra); },
     [](double pr, double ra, const ShapePoint&) { return ra <= 1e12 && pr >= 0.7; }},
};

const AlternativeCorrelation kSphereAlternatives[2] = {
    {"churchill-1983", "Churchill (1983)", "Ra_D < 10^13", ownLength,
     [](double pr, double ra, const ShapePoint&) { return churchillSphereNusselt(pr, ra); },
     [](double, double ra, const ShapePoint&) { return ra < 1e13; }},
    {"yovanovich", "Yovanovich (1987), l = √A", "Ra_√A ≤ 10^8", sphereRootArea,
     [](double pr, double ra, const ShapePoint&) { return yovanovichNusselt(pr, ra, 2 * std::sqrt(kPi), 1.023); },
     [](double, double ra, const ShapePoint&) { return ra <= 1e8; }},
};

namespace shape_ranges {

std::string noWarning(const ShapePoint&) { return {}; }

std::string sphereWarning(const ShapePoint& p) {
    if (!(p.rayleigh > 1e9))
        return {};
    return "Pozor: Ra = " + shortNumber(p.rayleigh) +
           " je mimo platnosti korelácie pre guľu (laminárna, Ra ≤ 1e9); pozri iné publikované korelácie.";
}

std::string inclinedPlateWarning(const ShapePoint& p) {
    const double ra = rayleighOf(p);
    const double critical = inclinedPlateCriticalRayleigh(p.angleDeg);
    if (!std::isfinite(critical) || !(ra >= 0.5 * critical))
        return {};
    const double below = *inclinedPlateNusselt(p.prandtl, std::nextafter(critical, 0.0), p.angleDeg).nusselt;
    const double above = *inclinedPlateNusselt(p.prandtl, critical, p.angleDeg).nusselt;
    const std::string where = ra < critical ? " je blízko Ra_c = " : " je nad Ra_c = ";
    return "Pozor: Ra = " + shortNumber(ra) + where + shortNumber(critical) +
           ", kde sa korelácia naklonenej plochy mení (Churchill a Chu → Fujii a Imura); Nu tam skočí o " +
           signedPercent(above / below - 1) + " %.";
}

std::string horizontalPlateWarning(const ShapePoint& p) {
    if (p.face != PlateFace::Rising)
        return {};
    const double pr = p.prandtl;
    const double x = p.rayleigh * horizontalPlatePrandtlFunction(pr);
    if (!(x >= 0.5 * kRisingFaceSwitch && x <= 2 * kRisingFaceSwitch))
        return {};
    const double f = horizontalPlatePrandtlFunction(pr);
    const double below = *horizontalPlateNusselt(pr, kRisingFaceSwitch / f, PlateFace::Rising).nusselt;
    const double above =
        *horizontalPlateNusselt(pr, std::nextafter(kRisingFaceSwitch, 1e300) / f, PlateFace::Rising).nusselt;
    return "Pozor: Ra·f2 = " + shortNumber(x) +
           " je blízko 7e4, kde sa korelácia plochy, od ktorej tekutina voľne odchádza, mení; Nu tam skočí o " +
           signedPercent(above / below - 1) + " %.";
}

std::string verticalCylinderWarning(const ShapePoint& p) {
    const double diameter = p.area / (3.1416 * p.charLength);
    const double plate = churchillChuPlateNusselt(p.prandtl, rayleighOf(p));
    const double term = 0.435 * p.charLength / diameter;
    if (!(term > plate))
        return {};
    return "Pozor: člen zakrivenia valca 0,435·l/d = " + shortNumber(term) + " je väčší ako Nu dosky (" +
           shortNumber(plate) + "): valec so štíhlosťou l/d = " + shortNumber(p.charLength / diameter) +
           " je mimo pomeru, pre ktorý oprava platí; pozri iné publikované korelácie.";
}

} // namespace shape_ranges

std::vector<AlternativeResult> alternativeResults(const ConvectionState& state, const EvaluationInputs& inputs) {
    std::vector<AlternativeResult> results;
    if (!(state.alphaConv > 0) || !(state.conductivity > 0))
        return results;
    const ShapePoint point = shapePointOf(state, inputs);
    const double ra = rayleighOf(point);
    for (const AlternativeCorrelation& alternative : surfaceShapeInfo(inputs.geometry()).alternatives) {
        AlternativeResult r;
        r.id = alternative.id;
        r.name = alternative.name;
        r.range = alternative.range;
        r.length = alternative.length(point);
        const double scale = r.length / point.charLength;
        const double raOnLength = ra * scale * scale * scale;
        r.nusselt = alternative.nusselt(point.prandtl, raOnLength, point);
        r.alphaConv = r.nusselt * state.conductivity / r.length;
        r.deviation = (r.alphaConv - state.alphaConv) / state.alphaConv;
        r.inRange = alternative.inRange(point.prandtl, raOnLength, point);
        results.push_back(r);
    }
    return results;
}

std::string alternativesSpread(const std::vector<AlternativeResult>& alternatives) {
    if (alternatives.empty())
        return "Iné publikované korelácie pre tento tvar nie sú.";
    double low = alternatives.front().alphaConv;
    double high = low;
    double lowDeviation = alternatives.front().deviation;
    double highDeviation = lowDeviation;
    for (const AlternativeResult& a : alternatives) {
        low = std::min(low, a.alphaConv);
        high = std::max(high, a.alphaConv);
        lowDeviation = std::min(lowDeviation, a.deviation);
        highDeviation = std::max(highDeviation, a.deviation);
    }
    const auto alpha = [](double value) { return formatFixed(value, 15, 2); };
    const bool one = alternatives.size() == 1;
    return "Iné publikované korelácie: α_konv " + alpha(low) + (one ? "" : " až " + alpha(high)) + " W.m-2.K-1 (" +
           signedPercent(lowDeviation) + " %" + (one ? "" : " až " + signedPercent(highDeviation) + " %") + ")";
}

std::vector<ComparisonRow> comparisonRows(SurfaceGeometry shape, const ConvectionState& state,
                                          const std::vector<AlternativeResult>& alternatives) {
    const auto number = [](double value, int decimals) { return formatFixed(value, 15, decimals); };
    const SurfaceShapeInfo& info = surfaceShapeInfo(shape);
    std::vector<ComparisonRow> rows;
    rows.push_back({std::string("Program: ") + info.correlationName, number(state.charLength, 4),
                    number(state.nusselt, 2), number(state.alphaConv, 2), "", info.correlationRange});
    for (const AlternativeResult& a : alternatives)
        rows.push_back({a.name, number(a.length, 4), number(a.nusselt, 2), number(a.alphaConv, 2),
                        signedPercent(a.deviation) + " %", a.range + (a.inRange ? "" : " – mimo rozsahu")});
    return rows;
}

std::vector<std::string> resultWarnings(const ConvectionState& state, const EvaluationInputs& inputs) {
    std::vector<std::string> warnings;
    const ShapePoint point = shapePointOf(state, inputs);
    const std::string range = surfaceShapeInfo(inputs.geometry()).rangeWarning(point);
    if (!range.empty())
        warnings.push_back(range);
    if (inputs.fluidKind() != FluidKind::Water)
        return warnings;
    const auto temperature = [](double t) { return formatSignificant(t, 6) + " °C"; };
    if (state.tBody >= 100)
        warnings.push_back("Pozor: povrch má " + temperature(state.tBody) +
                           ", voda pri 101 325 Pa vrie od 100 °C: výsledok nezahŕňa var.");
    else if (state.tBody <= 0)
        warnings.push_back("Pozor: povrch má " + temperature(state.tBody) +
                           ", voda mrzne pri 0 °C: výsledok nezahŕňa ľad.");
    if (state.tFluid >= 100)
        warnings.push_back("Pozor: voda má " + temperature(state.tFluid) +
                           ", pri 101 325 Pa vrie od 100 °C: výsledok nezahŕňa var.");
    else if (state.tFluid <= 0)
        warnings.push_back("Pozor: voda má " + temperature(state.tFluid) + ", mrzne pri 0 °C: výsledok nezahŕňa ľad.");
    if (inputs.radiationOn())
        warnings.push_back("Pozor: voda pohlcuje tepelné žiarenie už v tenkej vrstve pri povrchu: sálanie do okolia "
                           "cez vodu neprechádza a súčiniteľ sálania tu neplatí.");
    return warnings;
}

} // namespace zav
