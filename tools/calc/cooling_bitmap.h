// SPDX-License-Identifier: GPL-3.0-or-later
// The cooling's picture without Qt: the same 737 × 489 bitmap, frame, grid, label positions,
// colours and curve pixels as the desktop's, placed by export/cooling_plot.h, and written as the
// same 24-bit BMP file. The labels are drawn in a small built-in pixel font, so their pixels differ
// from the desktop's, which uses the system's font; everything else is the
// same pixel for pixel.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "export/cooling_plot.h"

namespace zav::calc {

class CoolingBitmap {
public:
    static constexpr int kWidth = 737;
    static constexpr int kHeight = 489;

    /// White, as the desktop's picture before its first run.
    CoolingBitmap();

    /// Clears to the scheme's background and draws the frame and labels for the given axes.
    void setUpPlot(const PlotScheme& scheme, double tLow, double tHigh, double scaleTime);
    /// One pixel of the curve in the scheme's curve colour; a pixel off the picture is skipped.
    void plot(const PlotPixel& pixel);
    /// The dashed line at the temperature `t` of the axes set up last, in the curve's colour.
    void markTemperature(double t);

    /// 0xRRGGBB of a pixel on the picture.
    std::uint32_t pixel(int x, int y) const { return m_pixels[static_cast<std::size_t>(y * kWidth + x)]; }

    /// The picture as a BMP file: 24 bits a pixel, rows bottom up, 3780 pixels a metre.
    std::string bitmapBytes() const;

private:
    void set(int x, int y, std::uint32_t colour);
    void drawText(int x, int y, const std::string& text, std::uint32_t colour);

    std::vector<std::uint32_t> m_pixels;
    double m_tLow = 0;
    double m_tHigh = 0;
    std::uint32_t m_curve = 0;
};

} // namespace zav::calc
