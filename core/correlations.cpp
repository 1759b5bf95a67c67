// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/correlations.h"

#include <cmath>

namespace zav {

namespace {

// Churchill–Chu plate formula Nu = [c + 0.387 (Ra f)^e]², laminar and turbulent in one fit.
double plateFormula(double c, double ra, double f, double e) {
    return std::pow(c + 0.387 * std::pow(ra * f, e), 2);
}

} // namespace

PlateFace plateFace(PlatePosition position, double tBody, double tFluid) {
    if (tBody > tFluid)
        return position == PlatePosition::Upper ? PlateFace::Rising : PlateFace::Opposite;
    if (tFluid > tBody)
        return position == PlatePosition::Lower ? PlateFace::Rising : PlateFace::Opposite;
    return PlateFace::Neither;
}

double churchillChuPrandtlFunction(double a, double pr) {
    return std::pow(1 + std::pow(a / pr, 0.5625), -1.77777777);
}

double horizontalPlatePrandtlFunction(double pr) {
    return std::pow(1 + std::pow(0.322 / pr, 0.55), -1.818181);
}

double inclinedPlateCriticalRayleigh(double angleDeg) {
    return std::pow(10, 8.9 - 0.00178 * std::pow(angleDeg, 1.82));
}

bool oppositeFaceHasForm(double raF2) { return 1000 < raF2 && raF2 < 1e10; }

ShapeNusselt verticalPlateNusselt(double pr, double ra) {
    const double f = churchillChuPrandtlFunction(0.492, pr);
    return {plateFormula(0.825, ra, f, 0.166667), f, std::nullopt};
}

ShapeNusselt verticalCylinderNusselt(double pr, double ra, double charLength, double area) {
    const double f = churchillChuPrandtlFunction(0.492, pr);
    return {plateFormula(0.825, ra, f, 0.166667) + 0.435 * charLength / (area / (charLength * 3.1416)), f,
            std::nullopt};
}

ShapeNusselt inclinedPlateNusselt(double pr, double ra, double angleDeg) {
    const double angle = angleDeg * 3.141592 / 180;
    const double raCritical = inclinedPlateCriticalRayleigh(angleDeg);
    if (ra < raCritical) {
        const double tilted = ra * std::cos(angle);
        const double f = churchillChuPrandtlFunction(0.492, pr);
        return {plateFormula(0.825, tilted, f, 0.166667), f, tilted};
    }
    return {0.56 * std::pow(raCritical * std::cos(angle), 0.25) +
                0.13 * (std::pow(ra, 0.3333) - std::pow(raCritical, 0.3333)),
            std::nullopt, std::nullopt};
}

ShapeNusselt horizontalPlateNusselt(double pr, double ra, PlateFace face) {
    ShapeNusselt result;
    const double f = horizontalPlatePrandtlFunction(pr);
    result.prandtlFactor = f;
    const double x = ra * f;
    switch (face) {
    case PlateFace::Rising:
        result.nusselt = x <= kRisingFaceSwitch ? 0.766 * std::pow(x, 0.2) : 0.15 * std::pow(x, 0.33333333);
        break;
    case PlateFace::Opposite:
        if (oppositeFaceHasForm(x)) {
            const double fPrime = std::pow(1 + std::pow(0.492 / pr, 0.5625), -1.777777);
            result.prandtlFactor = fPrime;
            result.nusselt = 0.6 * std::pow(ra * fPrime, 0.2);
        }
        break;
    case PlateFace::Neither:
        break;
    }
    return result;
}

ShapeNusselt cubeNusselt(double pr, double ra) {
    const double factor = std::pow(1 + std::pow(0.492 / pr, 0.5625), 1.77777777);
    return {5.748 + 0.752 * std::pow(ra / factor, 0.252), factor, std::nullopt};
}

ShapeNusselt horizontalCylinderNusselt(double pr, double ra) {
    const double f = churchillChuPrandtlFunction(0.559, pr);
    return {plateFormula(0.752, ra, f, 0.166666), f, std::nullopt};
}

ShapeNusselt sphereNusselt(double pr, double ra) {
    return {2 + 0.56 * std::pow(pr / (pr + 0.846) * ra, 0.25), std::nullopt, std::nullopt};
}

ShapeNusselt finnedTubeNusselt(double pr, double gr, double finGap, double tubeDiameter) {
    return {0.24 * std::pow(finGap * gr * pr / tubeDiameter, 0.33333), std::nullopt, std::nullopt};
}

} // namespace zav
