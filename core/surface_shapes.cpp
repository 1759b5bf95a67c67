// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/surface_shapes.h"

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

// The ranges of the correlations that have one (inclusive).
struct Range {
    double low, high;
};
constexpr Range kFinnedTubeRange{1000, 1e7};
constexpr Range kPlateRange{0.1, 1e12};
constexpr Range kHorizontalPlateRange{1000, 1e10};

bool outside(double value, Range range) { return value < range.low || value > range.high; }

// A positive quantity on a logarithmic scale that goes on through 0 to negative values:
// asinh(v/(2·unit)) is ln(v/unit) for v much larger than the unit, linear near 0.
double logScale(double value, double unit) { return std::asinh(0.5 * value / unit); }

// How far a value lies inside a range, in decades (natural logarithms) from its nearer end:
// negative outside, continuous down through 0 and below.
double rangeMargin(double value, Range range) {
    const double unit = 1e-2 * range.low;
    const double scaled = logScale(value, unit);
    return std::min(scaled - logScale(range.low, unit), logScale(range.high, unit) - scaled);
}

// True when the horizontal plate's correlation writes a Nusselt number at this point.
bool horizontalPlateHasForm(const ShapePoint& p) {
    switch (p.face) {
    case PlateFace::Rising:
        return true;
    case PlateFace::Opposite:
        return oppositeFaceHasForm(p.rayleigh * horizontalPlatePrandtlFunction(p.prandtl));
    case PlateFace::Neither:
        break;
    }
    return false;
}

} // namespace

namespace shape_ranges {

std::optional<ShapeRefusal> passes(const ShapePoint&) { return std::nullopt; }

std::optional<ShapeRefusal> plateCheck(const ShapePoint& p) {
    if (outside(p.rayleigh, kPlateRange))
        return ShapeRefusal{kPlateMessage, kPlateStatus};
    return std::nullopt;
}

std::optional<ShapeRefusal> horizontalPlateCheck(const ShapePoint& p) {
    // The held-under face is checked on Ra·f with the f its form wrote; a point for which no form
    // wrote a Nusselt number has no result to show either.
    if ((p.face == PlateFace::Opposite && outside(p.rayleigh * p.prandtlFactor, kHorizontalPlateRange)) ||
        !horizontalPlateHasForm(p))
        return ShapeRefusal{kHorizontalPlateMessage, kHorizontalPlateStatus};
    return std::nullopt;
}

std::optional<ShapeRefusal> finnedTubeCheck(const ShapePoint& p) {
    if (p.fluid == FluidKind::Air && outside(p.grashof * p.prandtl, kFinnedTubeRange))
        return ShapeRefusal{kFinnedTubeMessage, kFinnedTubeStatus};
    return std::nullopt;
}

double rayleighMargin(const ShapePoint& p) { return logScale(p.rayleigh, 1); }

double plateMargin(const ShapePoint& p) { return rangeMargin(p.rayleigh, kPlateRange); }

double horizontalPlateMargin(const ShapePoint& p) {
    switch (p.face) {
    case PlateFace::Rising:
        break;
    case PlateFace::Opposite:
        // The face that holds the fluid under the plate: the range of its form and of its check.
        return std::min(
            rangeMargin(p.rayleigh * horizontalPlatePrandtlFunction(p.prandtl), kHorizontalPlateRange),
            rangeMargin(p.rayleigh * p.prandtlFactor, kHorizontalPlateRange));
    case PlateFace::Neither:
        return -1;
    }
    return rayleighMargin(p);
}

double finnedTubeMargin(const ShapePoint& p) {
    if (p.fluid == FluidKind::Air)
        return rangeMargin(p.grashof * p.prandtl, kFinnedTubeRange);
    return rayleighMargin(p);
}

double oneForm(const ShapePoint&) { return std::numeric_limits<double>::quiet_NaN(); }

double inclinedPlateSwitch(const ShapePoint& p) {
    // The Rayleigh number before the tilt's cos θ, against the critical one.
    return p.prandtl * p.grashof / inclinedPlateCriticalRayleigh(p.angleDeg) - 1;
}

double horizontalPlateSwitch(const ShapePoint& p) {
    if (p.face == PlateFace::Rising)
        return p.rayleigh * horizontalPlatePrandtlFunction(p.prandtl) / kRisingFaceSwitch - 1;
    return oneForm(p);
}

} // namespace shape_ranges

} // namespace zav
