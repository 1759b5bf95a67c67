// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/cooling_plot.h"

#include <climits>
#include <cmath>

#include "core/number_format.h"

namespace zav {

namespace {

constexpr int kDash = 18;
constexpr int kGap = 6;
constexpr int kPictureHeight = 489;

bool fitsInt(double value) { return std::isfinite(value) && value > INT_MIN - 1.0 && value < INT_MAX + 1.0; }

} // namespace

PlotScheme plotScheme(int plotType) {
    if (plotType == 1)
        return {0xFFFFFF, 0x000000, 0x000000};
    return {0x000000, 0x00FF00, 0xFFFF00};
}

std::vector<PlotLine> plotFrameLines(int width) {
    std::vector<PlotLine> lines;
    lines.push_back({50, 20, 50, 445, false});
    lines.push_back({40, 440, width - 20, 440, false});
    for (int i = 1; i <= 20; ++i)
        lines.push_back({45, 440 - 20 * i, 55, 440 - 20 * i, false});
    for (int i = 1; i <= 10; ++i)
        lines.push_back({50 + 65 * i, 435, 50 + 65 * i, 445, false});
    for (int i = 1; i <= 20; ++i)
        lines.push_back({60, 440 - 20 * i, width - 20, 440 - 20 * i, true});
    return lines;
}

std::vector<PlotPixel> linePixels(const PlotLine& line) {
    std::vector<PlotPixel> pixels;
    const int dx = (line.x1 > line.x0) - (line.x1 < line.x0);
    const int dy = (line.y1 > line.y0) - (line.y1 < line.y0);
    const int length = std::abs(line.x1 - line.x0) + std::abs(line.y1 - line.y0);
    for (int k = 0; k < length; ++k) {
        if (line.grid && k % (kDash + kGap) >= kDash)
            continue;
        pixels.push_back({line.x0 + k * dx, line.y0 + k * dy});
    }
    return pixels;
}

std::vector<PlotText> plotTexts(double tLow, double tHigh, double scaleTime, int width) {
    std::vector<PlotText> texts;
    const double low = static_cast<float>(tLow);
    const double high = static_cast<float>(tHigh);
    for (int i = 0; i <= 20; ++i)
        texts.push_back({10, 434 - 20 * i, formatGeneral(low + i * (high - low) / 20)});
    for (int i = 0; i <= 10; ++i)
        texts.push_back({45 + 65 * i, 450, formatFixed(i * scaleTime / 10, 5, 0)});
    texts.push_back({10, 10, "t (°C)"});
    texts.push_back({width / 2, 470, "Čas (s)"});
    return texts;
}

std::optional<PlotLine> temperatureLine(double tLow, double tHigh, double t, int width) {
    const double y = 440 - (t - tLow) * 400 / (tHigh - tLow);
    if (!fitsInt(y) || y < 0 || y >= kPictureHeight)
        return std::nullopt;
    const int row = static_cast<int>(y);
    return PlotLine{60, row, width - 20, row, true};
}

std::optional<PlotPixel> curvePixel(const CoolingState& s) {
    const double x = 650 * s.coolingTime / s.scaleTime + 50;
    const double y = 440 - (s.tBody - s.plotLow) * 400 / s.initialExcess;
    if (!fitsInt(x) || !fitsInt(y))
        return std::nullopt;
    return PlotPixel{static_cast<int>(x), static_cast<int>(y)};
}

} // namespace zav
