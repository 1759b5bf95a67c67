// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nusselt.h"

#include <cmath>

namespace zav {

const char* const kFinnedTubeMessage = "    Pre dané parametre nie je možný výpočet! \n"
                                       "               1000<Ra<10^7   \n"
                                       "  Kriteriálne rovnice sú známe iba pre vzduch!!!";
const char* const kFinnedTubeStatus = "Pre dané parametre nie je možný výpočet! 1000<Ra<10^7 !!!";
const char* const kPlateMessage = "    Pre dané parametre nie je možný výpočet! \n"
                                  "                     0,1<Ra<10^12 ";
const char* const kPlateStatus = "Pre dané parametre nie je možný výpočet! 0,1<Ra<10^12 !!!";
const char* const kHorizontalPlateMessage = "    Pre dané parametre nie je možný výpočet! \n"
                                            "                     1000<Ra*f_Pr<10^10 ";
const char* const kHorizontalPlateStatus = "Pre dané parametre nie je možný výpočet! 1000<Ra*f_Pr<10^10 !!!";

namespace {

// Churchill–Chu Prandtl function f(a) = [1 + (a/Pr)^0.5625]^(-1.77777777).
double plateFunction(double a, double pr) { return std::pow(1 + std::pow(a / pr, 0.5625), -1.77777777); }

// Churchill–Chu plate formula Nu = [c + 0.387 (Ra f)^e]², laminar and turbulent in one fit.
double plateFormula(double c, double ra, double f, double e) {
    return std::pow(c + 0.387 * std::pow(ra * f, e), 2);
}

// Which face of a horizontal plate the fluid leaves: the warm face up or the cold face down lets
// the fluid rise (or sink) freely; the other two faces hold it under the plate.
enum class PlateFace { Rising, Opposite, Neither };

PlateFace horizontalPlateFace(const ConvectionState& s, PlatePosition position) {
    if (s.tBody > s.tFluid)
        return position == PlatePosition::Upper ? PlateFace::Rising : PlateFace::Opposite;
    if (s.tFluid > s.tBody)
        return position == PlatePosition::Lower ? PlateFace::Rising : PlateFace::Opposite;
    return PlateFace::Neither;
}

double horizontalPlateFunction(double pr) { return std::pow(1 + std::pow(0.322 / pr, 0.55), -1.818181); }

// The opposite faces' correlation holds only for 1000 < Ra·f < 10^10 (f of the 0.322 function).
bool oppositeFaceApplies(double x) { return 1000 < x && x < 1e10; }

// True when the horizontal plate's rule writes a Nusselt number for this state.
bool horizontalPlateHasFormula(const ConvectionState& s, PlatePosition position) {
    switch (horizontalPlateFace(s, position)) {
    case PlateFace::Rising:
        return true;
    case PlateFace::Opposite:
        return oppositeFaceApplies(s.rayleigh * horizontalPlateFunction(s.prandtl));
    case PlateFace::Neither:
        break;
    }
    return false;
}

void horizontalPlate(ConvectionState& s, PlatePosition position) {
    const double f = horizontalPlateFunction(s.prandtl);
    s.prandtlFactor = f;
    const double x = s.rayleigh * f;
    switch (horizontalPlateFace(s, position)) {
    case PlateFace::Rising:
        s.nusselt = x <= 70000 ? 0.766 * std::pow(x, 0.2) : 0.15 * std::pow(x, 0.33333333);
        break;
    case PlateFace::Opposite:
        if (oppositeFaceApplies(x)) {
            const double fPrime = std::pow(1 + std::pow(0.492 / s.prandtl, 0.5625), -1.777777);
            s.prandtlFactor = fPrime;
            s.nusselt = 0.6 * std::pow(s.rayleigh * fPrime, 0.2);
        }
        break;
    case PlateFace::Neither:
        break;
    }
}

// Plate tilted by θ from the vertical: below the critical Rayleigh number the vertical plate's
// correlation with g·cos θ; above it a turbulent correction.
void inclinedPlate(ConvectionState& s, double theta) {
    const double angle = theta * 3.141592 / 180;
    const double raCritical = std::pow(10, 8.9 - 0.00178 * std::pow(theta, 1.82));
    if (s.rayleigh < raCritical) {
        s.rayleigh = s.rayleigh * std::cos(angle);
        s.prandtlFactor = plateFunction(0.492, s.prandtl);
        s.nusselt = plateFormula(0.825, s.rayleigh, s.prandtlFactor, 0.166667);
    } else {
        s.nusselt = 0.56 * std::pow(raCritical * std::cos(angle), 0.25) +
                    0.13 * (std::pow(s.rayleigh, 0.3333) - std::pow(raCritical, 0.3333));
    }
}

bool refuse(Reporter& reporter, const char* message, const char* status) {
    reporter.showMessage(message);
    reporter.setStatusText(status);
    return false;
}

bool outside(double value, double low, double high) { return value < low || value > high; }

} // namespace

void computeNusselt(ConvectionState& s, const EvaluationInputs& inputs) {
    switch (inputs.geometry()) {
    case SurfaceGeometry::VerticalPlate:
        s.prandtlFactor = plateFunction(0.492, s.prandtl);
        s.nusselt = plateFormula(0.825, s.rayleigh, s.prandtlFactor, 0.166667);
        break;
    case SurfaceGeometry::VerticalCylinder:
        // The plate's result plus the curvature correction 0.435·height/diameter, the diameter
        // following from the area and the height.
        s.prandtlFactor = plateFunction(0.492, s.prandtl);
        s.nusselt = plateFormula(0.825, s.rayleigh, s.prandtlFactor, 0.166667) +
                    0.435 * s.charLength / (s.area / (s.charLength * 3.1416));
        break;
    case SurfaceGeometry::InclinedPlate:
        inclinedPlate(s, inputs.inclinationDeg());
        break;
    case SurfaceGeometry::HorizontalPlate:
        horizontalPlate(s, inputs.platePosition());
        break;
    case SurfaceGeometry::Cube:
        s.prandtlFactor = std::pow(1 + std::pow(0.492 / s.prandtl, 0.5625), 1.77777777);
        s.nusselt = 5.748 + 0.752 * std::pow(s.rayleigh / s.prandtlFactor, 0.252);
        break;
    case SurfaceGeometry::HorizontalCylinder:
        s.prandtlFactor = plateFunction(0.559, s.prandtl);
        s.nusselt = plateFormula(0.752, s.rayleigh, s.prandtlFactor, 0.166666);
        break;
    case SurfaceGeometry::Sphere:
        s.nusselt = 2 + 0.56 * std::pow(s.prandtl / (s.prandtl + 0.846) * s.rayleigh, 0.25);
        break;
    case SurfaceGeometry::FinnedTube: {
        const double gap = inputs.finGap();
        const double diameter = inputs.tubeDiameter();
        s.nusselt = 0.24 * std::pow(gap * s.grashof * s.prandtl / diameter, 0.33333);
        break;
    }
    }
}

bool checkValidity(const ConvectionState& s, const EvaluationInputs& inputs, Reporter& reporter) {
    const SurfaceGeometry geometry = inputs.geometry();
    if (geometry == SurfaceGeometry::FinnedTube && inputs.fluidKind() == FluidKind::Air &&
        outside(s.grashof * s.prandtl, 1000, 1e7))
        return refuse(reporter, kFinnedTubeMessage, kFinnedTubeStatus);
    if ((geometry == SurfaceGeometry::VerticalPlate || geometry == SurfaceGeometry::InclinedPlate) &&
        outside(s.rayleigh, 0.1, 1e12))
        return refuse(reporter, kPlateMessage, kPlateStatus);
    if (geometry == SurfaceGeometry::HorizontalPlate) {
        const PlatePosition position = inputs.platePosition();
        const bool heldUnder = (s.tFluid > s.tBody && position == PlatePosition::Upper) ||
                               (s.tFluid < s.tBody && position == PlatePosition::Lower);
        // A plate for which no rule wrote a Nusselt number has no result to show either.
        if ((heldUnder && outside(s.rayleigh * s.prandtlFactor, 1000, 1e10)) ||
            !horizontalPlateHasFormula(s, position))
            return refuse(reporter, kHorizontalPlateMessage, kHorizontalPlateStatus);
    }
    reporter.setStatusText("");
    return true;
}

} // namespace zav
