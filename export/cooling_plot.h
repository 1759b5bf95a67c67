// SPDX-License-Identifier: GPL-3.0-or-later
// The geometry of the cooling picture: where a run puts the axes, ticks, dashed grid, labels,
// captions and curve pixels, and in which colours. Temperature runs up from the fluid temperature
// (y = 440) to the start temperature (y = 40) (with a heat source, from the lower to the higher of
// the start and where the body settles), time to the right from 0 (x = 50) to the scale pass's
// time (x = 700). A front end paints what these functions place.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/cooling.h"

namespace zav {

/// Colours as 0xRRGGBB.
struct PlotScheme {
    std::uint32_t background;
    std::uint32_t axis; // axes, ticks, labels and captions
    std::uint32_t curve;
};

constexpr std::uint32_t kPlotGridColour = 0xA0A0A4;

/// 0 "Čierne pozadie": lime axes and a yellow curve on black; 1 "Biele pozadie": black on white.
PlotScheme plotScheme(int plotType);

struct PlotPixel {
    int x;
    int y;
    bool operator==(const PlotPixel& other) const { return x == other.x && y == other.y; }
};

/// A horizontal or vertical line from (x0, y0) up to, not including, (x1, y1). Grid lines are
/// grey and dashed.
struct PlotLine {
    int x0, y0, x1, y1;
    bool grid;
};

/// The axes, their ticks and the horizontal grid of a picture `width` pixels wide, in drawing order.
std::vector<PlotLine> plotFrameLines(int width);

/// The pixels of a line; a grid line in dashes of 18 pixels with gaps of 6, from its start.
std::vector<PlotPixel> linePixels(const PlotLine& line);

/// A text whose top-left corner is at (x, y).
struct PlotText {
    int x;
    int y;
    std::string text;
};

/// The 21 temperature labels (from `tLow` and `tHigh` held in single precision, in the general
/// number format), the 11 time labels (formatFixed(…, 5, 0)) and the two axis captions.
std::vector<PlotText> plotTexts(double tLow, double tHigh, double scaleTime, int width);

/// The dashed line across the plot at the temperature `t` of an axis from `tLow` to `tHigh`: where a
/// run with a heat source settles, drawn in the curve's colour. Nothing when it is off the picture.
std::optional<PlotLine> temperatureLine(double tLow, double tHigh, double t, int width);

/// The pixel of the state's (coolingTime, tBody) on the axis from plotLow over initialExcess,
/// truncated toward zero; nothing when it is not a finite position.
std::optional<PlotPixel> curvePixel(const CoolingState& state);

} // namespace zav
