// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/calc/cooling_bitmap.h"

#include <algorithm>
#include <cstring>

namespace zav::calc {

namespace {

// The labels' pixel font: 5 × 7 cells, '#' a pixel, advanced by 6 pixels; the characters the
// picture's labels use (numbers in the general and fixed formats, INF and NAN, the captions).
struct Glyph {
    const char* utf8;
    const char* rows[7];
};

const Glyph kGlyphs[] = {
    {"0", {" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "}},
    {"1", {"  #  ", " ##  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "}},
    {"2", {" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"}},
    {"3", {"#####", "   # ", "  #  ", "   # ", "    #", "#   #", " ### "}},
    {"4", {"   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "}},
    {"5", {"#####", "#    ", "#### ", "    #", "    #", "#   #", " ### "}},
    {"6", {"  ## ", " #   ", "#    ", "#### ", "#   #", "#   #", " ### "}},
    {"7", {"#####", "    #", "   # ", "  #  ", " #   ", " #   ", " #   "}},
    {"8", {" ### ", "#   #", "#   #", " ### ", "#   #", "#   #", " ### "}},
    {"9", {" ### ", "#   #", "#   #", " ####", "    #", "   # ", " ##  "}},
    {",", {"     ", "     ", "     ", "     ", "     ", "  #  ", " #   "}},
    {"-", {"     ", "     ", "     ", "#####", "     ", "     ", "     "}},
    {"+", {"     ", "  #  ", "  #  ", "#####", "  #  ", "  #  ", "     "}},
    {"E", {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"}},
    {"I", {" ### ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "}},
    {"N", {"#   #", "##  #", "# # #", "#  ##", "#   #", "#   #", "#   #"}},
    {"F", {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#    "}},
    {"A", {" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
    {"C", {" ### ", "#   #", "#    ", "#    ", "#    ", "#   #", " ### "}},
    {"Č", {" # # ", "  #  ", " ####", "#    ", "#    ", "#    ", " ####"}},
    {"t", {" #   ", " #   ", "#### ", " #   ", " #   ", " #  #", "  ## "}},
    {"a", {"     ", "     ", " ### ", "    #", " ####", "#   #", " ####"}},
    {"s", {"     ", "     ", " ####", "#    ", " ### ", "    #", "#### "}},
    {"(", {"   # ", "  #  ", " #   ", " #   ", " #   ", "  #  ", "   # "}},
    {")", {" #   ", "  #  ", "   # ", "   # ", "   # ", "  #  ", " #   "}},
    {"°", {" ##  ", "#  # ", " ##  ", "     ", "     ", "     ", "     "}},
};

constexpr int kAdvance = 6;
constexpr int kTop = 3; // the glyphs' first row below the text's top edge

// The glyph at the start of `text` (one UTF-8 character), and the character's length in bytes.
const Glyph* glyphAt(const std::string& text, std::size_t at, std::size_t& length) {
    for (const Glyph& glyph : kGlyphs) {
        const std::size_t n = std::strlen(glyph.utf8);
        if (text.compare(at, n, glyph.utf8) == 0) {
            length = n;
            return &glyph;
        }
    }
    const unsigned char lead = static_cast<unsigned char>(text[at]);
    length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return nullptr;
}

void putLittleEndian(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

CoolingBitmap::CoolingBitmap() : m_pixels(static_cast<std::size_t>(kWidth * kHeight), 0xFFFFFF) {}

void CoolingBitmap::set(int x, int y, std::uint32_t colour) {
    if (x >= 0 && x < kWidth && y >= 0 && y < kHeight)
        m_pixels[static_cast<std::size_t>(y * kWidth + x)] = colour;
}

void CoolingBitmap::setUpPlot(const PlotScheme& scheme, double tLow, double tHigh, double scaleTime) {
    std::fill(m_pixels.begin(), m_pixels.end(), scheme.background);
    for (const PlotLine& line : plotFrameLines(kWidth)) {
        const std::uint32_t colour = line.grid ? kPlotGridColour : scheme.axis;
        for (const PlotPixel& p : linePixels(line))
            set(p.x, p.y, colour);
    }
    for (const PlotText& text : plotTexts(tLow, tHigh, scaleTime, kWidth))
        drawText(text.x, text.y, text.text, scheme.axis);
    m_curve = scheme.curve;
    m_tLow = tLow;
    m_tHigh = tHigh;
}

void CoolingBitmap::markTemperature(double t) {
    if (const std::optional<PlotLine> line = temperatureLine(m_tLow, m_tHigh, t, kWidth)) {
        for (const PlotPixel& p : linePixels(*line))
            set(p.x, p.y, m_curve);
    }
}

void CoolingBitmap::plot(const PlotPixel& pixel) { set(pixel.x, pixel.y, m_curve); }

void CoolingBitmap::drawText(int x, int y, const std::string& text, std::uint32_t colour) {
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t length = 1;
        if (const Glyph* glyph = glyphAt(text, at, length)) {
            for (int row = 0; row < 7; ++row) {
                for (int column = 0; column < 5; ++column) {
                    if (glyph->rows[row][column] == '#')
                        set(x + column, y + kTop + row, colour);
                }
            }
        }
        x += kAdvance;
        at += length;
    }
}

std::string CoolingBitmap::bitmapBytes() const {
    constexpr std::uint32_t kHeaderBytes = 14 + 40;
    constexpr std::uint32_t kRowBytes = (kWidth * 24 + 31) / 32 * 4;
    constexpr std::uint32_t kImageBytes = kRowBytes * kHeight;
    constexpr std::uint32_t kPixelsPerMetre = 3780; // 96 dots per inch
    std::string bytes;
    bytes.reserve(kHeaderBytes + kImageBytes);
    bytes += "BM";
    putLittleEndian(bytes, kHeaderBytes + kImageBytes, 4);
    putLittleEndian(bytes, 0, 4);
    putLittleEndian(bytes, kHeaderBytes, 4);
    putLittleEndian(bytes, 40, 4);
    putLittleEndian(bytes, kWidth, 4);
    putLittleEndian(bytes, kHeight, 4);
    putLittleEndian(bytes, 1, 2);  // planes
    putLittleEndian(bytes, 24, 2); // bits a pixel
    putLittleEndian(bytes, 0, 4);  // no compression
    putLittleEndian(bytes, kImageBytes, 4);
    putLittleEndian(bytes, kPixelsPerMetre, 4);
    putLittleEndian(bytes, kPixelsPerMetre, 4);
    putLittleEndian(bytes, 0, 4); // colours used
    putLittleEndian(bytes, 0, 4); // colours important
    for (int y = kHeight - 1; y >= 0; --y) {
        for (int x = 0; x < kWidth; ++x) {
            const std::uint32_t colour = pixel(x, y);
            bytes.push_back(static_cast<char>(colour & 0xFF));
            bytes.push_back(static_cast<char>((colour >> 8) & 0xFF));
            bytes.push_back(static_cast<char>((colour >> 16) & 0xFF));
        }
        bytes.append(kRowBytes - kWidth * 3, '\0');
    }
    return bytes;
}

} // namespace zav::calc
