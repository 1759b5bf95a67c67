// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nusselt.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

// The rising face's correlation changes its form above this Ra·f.
constexpr double kRisingFaceSwitch = 70000;

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
        s.nusselt = x <= kRisingFaceSwitch ? 0.766 * std::pow(x, 0.2) : 0.15 * std::pow(x, 0.33333333);
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
// The inclined plate's critical Rayleigh number at θ from the vertical.
double criticalRayleigh(double theta) { return std::pow(10, 8.9 - 0.00178 * std::pow(theta, 1.82)); }

void inclinedPlate(ConvectionState& s, double theta) {
    const double angle = theta * 3.141592 / 180;
    const double raCritical = criticalRayleigh(theta);
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

namespace {

// The ranges of the correlations that have one (inclusive).
struct Window {
    double low, high;
};
constexpr Window kFinnedTubeWindow{1000, 1e7};
constexpr Window kPlateWindow{0.1, 1e12};
constexpr Window kHorizontalPlateWindow{1000, 1e10};

bool outside(double value, Window window) { return outside(value, window.low, window.high); }

// A positive quantity on a logarithmic scale that goes on through 0 to negative values:
// asinh(v/(2·unit)) is ln(v/unit) for v much larger than the unit, linear near 0.
double logScale(double value, double unit) { return std::asinh(0.5 * value / unit); }

// How far a value lies inside a window, in decades (natural logarithms) from its nearer end:
// negative outside, continuous down through 0 and below.
double windowMargin(double value, Window window) {
    const double unit = 1e-2 * window.low;
    const double scaled = logScale(value, unit);
    return std::min(scaled - logScale(window.low, unit), logScale(window.high, unit) - scaled);
}

// The held-under faces of a horizontal plate, whose correlation has a range.
bool heldUnder(const ConvectionState& s, PlatePosition position) {
    return (s.tFluid > s.tBody && position == PlatePosition::Upper) ||
           (s.tFluid < s.tBody && position == PlatePosition::Lower);
}

} // namespace

bool checkValidity(const ConvectionState& s, const EvaluationInputs& inputs, Reporter& reporter) {
    const SurfaceGeometry geometry = inputs.geometry();
    if (geometry == SurfaceGeometry::FinnedTube && inputs.fluidKind() == FluidKind::Air &&
        outside(s.grashof * s.prandtl, kFinnedTubeWindow))
        return refuse(reporter, kFinnedTubeMessage, kFinnedTubeStatus);
    if ((geometry == SurfaceGeometry::VerticalPlate || geometry == SurfaceGeometry::InclinedPlate) &&
        outside(s.rayleigh, kPlateWindow))
        return refuse(reporter, kPlateMessage, kPlateStatus);
    if (geometry == SurfaceGeometry::HorizontalPlate) {
        const PlatePosition position = inputs.platePosition();
        // A plate for which no rule wrote a Nusselt number has no result to show either.
        if ((heldUnder(s, position) && outside(s.rayleigh * s.prandtlFactor, kHorizontalPlateWindow)) ||
            !horizontalPlateHasFormula(s, position))
            return refuse(reporter, kHorizontalPlateMessage, kHorizontalPlateStatus);
    }
    reporter.setStatusText("");
    return true;
}

double correlationMargin(const ConvectionState& s, const EvaluationInputs& inputs) {
    // Every correlation takes a fractional power of the Rayleigh number: where no window limits
    // it from below, it must not be negative.
    double margin = logScale(s.rayleigh, 1);
    switch (inputs.geometry()) {
    case SurfaceGeometry::FinnedTube:
        if (inputs.fluidKind() == FluidKind::Air)
            margin = windowMargin(s.grashof * s.prandtl, kFinnedTubeWindow);
        break;
    case SurfaceGeometry::VerticalPlate:
    case SurfaceGeometry::InclinedPlate:
        margin = windowMargin(s.rayleigh, kPlateWindow);
        break;
    case SurfaceGeometry::HorizontalPlate:
        switch (horizontalPlateFace(s, inputs.platePosition())) {
        case PlateFace::Rising:
            break;
        case PlateFace::Opposite:
            // The face that holds the fluid under the plate: the window of its formula and of
            // its check.
            margin = std::min(windowMargin(s.rayleigh * horizontalPlateFunction(s.prandtl), kHorizontalPlateWindow),
                              windowMargin(s.rayleigh * s.prandtlFactor, kHorizontalPlateWindow));
            break;
        case PlateFace::Neither:
            return -1;
        }
        break;
    case SurfaceGeometry::VerticalCylinder:
    case SurfaceGeometry::Cube:
    case SurfaceGeometry::HorizontalCylinder:
    case SurfaceGeometry::Sphere:
        break;
    }
    return margin;
}

double formulaSwitchMargin(const ConvectionState& s, const EvaluationInputs& inputs) {
    switch (inputs.geometry()) {
    case SurfaceGeometry::InclinedPlate: {
        // The Rayleigh number before the tilt's cos θ, against the critical one.
        return s.prandtl * s.grashof / criticalRayleigh(inputs.inclinationDeg()) - 1;
    }
    case SurfaceGeometry::HorizontalPlate:
        if (horizontalPlateFace(s, inputs.platePosition()) == PlateFace::Rising)
            return s.rayleigh * horizontalPlateFunction(s.prandtl) / kRisingFaceSwitch - 1;
        break;
    case SurfaceGeometry::VerticalPlate:
    case SurfaceGeometry::VerticalCylinder:
    case SurfaceGeometry::Cube:
    case SurfaceGeometry::HorizontalCylinder:
    case SurfaceGeometry::Sphere:
    case SurfaceGeometry::FinnedTube:
        break;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

} // namespace zav
