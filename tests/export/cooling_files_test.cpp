// SPDX-License-Identifier: GPL-3.0-or-later
// Cooling runs against an independent computation of the same cases (times, data files, curve
// pixels and axis labels), and the picture's frame.
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "core/number_format.h"
#include "core/test_support.h"
#include "temp_folder.h"
#include "export/cooling_data_file.h"
#include "export/cooling_plot.h"

namespace zav {
namespace {

using test::FakeCoolingInputs;
using test::RecordingReporter;
using Labels = std::vector<std::string>;

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The plot as a run draws it: the frame's times and the curve's pixels.
struct PlotRecorder : CoolingView {
    std::vector<PlotText> texts;
    std::vector<PlotPixel> pixels;
    void setProgressMaximum(int) override {}
    void setProgressPosition(int) override {}
    void setUpPlot(double low, double high, double scaleTime) override { texts = plotTexts(low, high, scaleTime, 737); }
    void plotPoint(const CoolingState& s) override {
        if (auto pixel = curvePixel(s))
            pixels.push_back(*pixel);
    }
};

struct ReferenceCase {
    const char* name;
    void (*setUp)(FakeCoolingInputs&);
    double scaleTime;
    double coolingTime;
    const char* shownTime; // Edit7
    const char* golden;    // the whole data file, or null
    const char* firstRow;  // else its first and last rows
    const char* lastRow;
    std::size_t lines;
    std::vector<std::pair<std::size_t, PlotPixel>> pixels; // by step
    Labels temperatureLabels;
    Labels timeLabels;
};

void PrintTo(const ReferenceCase& c, std::ostream* os) { *os << c.name; }

const Labels kLabels20To100 = {"20", "24", "28", "32", "36", "40", "44", "48", "52", "56", "60",
                               "64", "68", "72", "76", "80", "84", "88", "92", "96", "100"};
const char* const kDefaultFirstRow = "0,000000;100,000000;60,000000;7,362;8,507;1000,00;0,7159;7488395,7000;26,2092";

class CoolingReferenceTest : public ::testing::TestWithParam<ReferenceCase> {
protected:
    test::TempFolder m_folder;
    const std::filesystem::path& m_dir = m_folder.path();
};

TEST_P(CoolingReferenceTest, AgreesWithTheIndependentComputation) {
    const ReferenceCase& c = GetParam();
    FakeCoolingInputs inputs;
    c.setUp(inputs);
    const std::string path = (m_dir / "data.txt").string();
    CoolingDataFile file;
    ASSERT_TRUE(file.open(path));
    CoolingState state;
    RecordingReporter reporter;
    PlotRecorder plot;
    ASSERT_EQ(runCooling(state, inputs, reporter, plot, &file), CoolingOutcome::Completed);
    ASSERT_TRUE(file.close());
    EXPECT_TRUE(reporter.messages.empty());

    EXPECT_TRUE(test::relativelyNear(state.scaleTime, c.scaleTime, test::kSameFormula));
    EXPECT_TRUE(test::relativelyNear(state.coolingTime, c.coolingTime, test::kSameFormula));
    EXPECT_EQ(formatFixed(state.coolingTime, 8, 1), c.shownTime);

    const std::string written = readAll(path);
    if (c.golden != nullptr) {
        EXPECT_EQ(written, readAll(std::filesystem::path(ZAV_GOLDEN_DIR) / c.golden));
    } else {
        std::vector<std::string> lines;
        std::istringstream in(written);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        ASSERT_EQ(lines.size(), c.lines);
        EXPECT_EQ(lines[1], std::string(c.firstRow) + '\r');
        EXPECT_EQ(lines.back(), std::string(c.lastRow) + '\r');
    }

    for (const auto& [step, pixel] : c.pixels) {
        ASSERT_LT(step, plot.pixels.size());
        EXPECT_EQ(plot.pixels[step], pixel) << "step " << step;
    }
    ASSERT_EQ(plot.texts.size(), 34u);
    Labels temperatures, times;
    for (std::size_t i = 0; i < 21; ++i)
        temperatures.push_back(plot.texts[i].text);
    for (std::size_t i = 21; i < 32; ++i)
        times.push_back(plot.texts[i].text);
    EXPECT_EQ(temperatures, c.temperatureLabels);
    EXPECT_EQ(times, c.timeLabels);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CoolingReferenceTest,
    ::testing::Values(
        ReferenceCase{"Defaults", [](FakeCoolingInputs&) {}, 169.09624284508692, 169.13879247186784, "169,1", nullptr,
                      kDefaultFirstRow,
                      "169,138790;30,000000;25,003500;4,263;6,013;1000,00;0,7197;1384925,1000;16,5710", 10002,
                      {{0, {50, 40}}, {999, {72, 75}}, {4999, {201, 215}}, {9998, {699, 389}}, {9999, {700, 390}}},
                      kLabels20To100,
                      {"0", "17", "34", "51", "68", "85", "101", "118", "135", "152", "169"}},
        ReferenceCase{"DefaultsWithoutRadiation", [](FakeCoolingInputs& in) { in.radiation = false; },
                      375.2174249357031, 375.3605882864822, "375,4", nullptr, kDefaultFirstRow,
                      "375,360590;30,000000;25,003500;4,263;6,013;1000,00;0,7197;1384925,1000;16,5710", 10002,
                      {{9999, {700, 390}}}, kLabels20To100,
                      {"0", "38", "75", "113", "150", "188", "225", "263", "300", "338", "375"}},
        ReferenceCase{"ThreeSteps",
                      [](FakeCoolingInputs& in) {
                          in.target = 60;
                          in.steps = 3;
                      },
                      48.32208260331778, 46.76201359768186, "46,8", "cooling_case3.txt", nullptr, nullptr, 0,
                      // 100 − 3·(40/3) is 60.00000000000001: the last point lies just above y = 240.
                      {{0, {204, 106}}, {1, {404, 173}}, {2, {679, 239}}}, kLabels20To100,
                      {"0", "5", "10", "14", "19", "24", "29", "34", "39", "43", "48"}},
        ReferenceCase{"SphereOfCarbonSteel",
                      [](FakeCoolingInputs& in) {
                          in.main.values.shape = SurfaceGeometry::Sphere;
                          in.window = {500, 20, 0.05, 1};
                          in.massValue = 2;
                          in.area = 0.5;
                          in.target = 100;
                          in.steps = 4;
                          in.epsilon = 0.8;
                          in.heatCapacity.kind = HeatCapacityKind::CarbonSteel;
                      },
                      171.26530285657094, 152.45024074861828, "152,5", "cooling_case4.txt", nullptr, nullptr, 0,
                      {{0, {101, 123}}, {1, {180, 206}}, {2, {317, 290}}, {3, {628, 373}}},
                      {"20", "44", "68", "92", "116", "140", "164", "188", "212", "236", "260", "284", "308", "332",
                       "356", "380", "404", "428", "452", "476", "500"},
                      {"0", "17", "34", "51", "69", "86", "103", "120", "137", "154", "171"}},
        ReferenceCase{"WaterInTwoAndAHalfSteps",
                      [](FakeCoolingInputs& in) {
                          in.main.values.fluid = FluidKind::Water;
                          in.window = {80, 20, 0.1, 1};
                          in.target = 40;
                          in.steps = 2.5;
                          in.radiation = false;
                          in.heatCapacity.kind = HeatCapacityKind::Grade17246;
                      },
                      0.5382644197710814, 0.7650134073257441, "0,8", "cooling_case5.txt", nullptr, nullptr, 0,
                      // Three steps of 16 K end at 32 °C, beyond the target; the last point is off the picture.
                      {{0, {186, 146}}, {1, {421, 253}}, {2, {973, 360}}},
                      {"20", "23", "26", "29", "32", "35", "38", "41", "44", "47", "50",
                       "53", "56", "59", "62", "65", "68", "71", "74", "77", "80"},
                      {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "1"}},
        ReferenceCase{"ColdBodyWarmingUp",
                      [](FakeCoolingInputs& in) {
                          in.main.values.shape = SurfaceGeometry::HorizontalCylinder;
                          in.window = {-50, -20, 0.1, 1};
                          in.target = -30;
                          in.steps = 5;
                          in.epsilon = 0.5;
                          in.heatCapacity = {HeatCapacityKind::Cubic, 0, 400, 1, 0.001, 0};
                      },
                      61.14987057767436, 59.537171761864, "59,5", "cooling_case6.txt", nullptr, nullptr, 0,
                      {{0, {124, 93}}, {1, {214, 146}}, {2, {327, 200}}, {3, {474, 253}}, {4, {682, 306}}},
                      {"-20", "-21,5", "-23", "-24,5", "-26", "-27,5", "-29", "-30,5", "-32", "-33,5", "-35",
                       "-36,5", "-38", "-39,5", "-41", "-42,5", "-44", "-45,5", "-47", "-48,5", "-50"},
                      {"0", "6", "12", "18", "24", "31", "37", "43", "49", "55", "61"}}));

TEST(CoolingPlot, TemperatureLabelsComeFromSinglePrecisionBounds) {
    const std::vector<PlotText> texts = plotTexts(20.3, 100, 171.58918027576345, 737);
    EXPECT_EQ(texts[0].text, "20,2999992370605");
    EXPECT_EQ(texts[1].text, "24,2849992752075");
    EXPECT_EQ(texts[19].text, "96,014999961853");
    EXPECT_EQ(texts[20].text, "100");
    EXPECT_EQ(texts[31].text, "172");
    // Positions: temperatures up the left, times along the bottom, the captions.
    EXPECT_EQ((std::pair{texts[0].x, texts[0].y}), (std::pair{10, 434}));
    EXPECT_EQ((std::pair{texts[20].x, texts[20].y}), (std::pair{10, 34}));
    EXPECT_EQ((std::pair{texts[21].x, texts[21].y}), (std::pair{45, 450}));
    EXPECT_EQ((std::pair{texts[31].x, texts[31].y}), (std::pair{695, 450}));
    EXPECT_EQ(texts[32].text, "t (°C)");
    EXPECT_EQ((std::pair{texts[32].x, texts[32].y}), (std::pair{10, 10}));
    EXPECT_EQ(texts[33].text, "Čas (s)");
    EXPECT_EQ((std::pair{texts[33].x, texts[33].y}), (std::pair{368, 470}));
}

TEST(CoolingPlot, FrameLinesEndBeforeTheirLastPointAndTheGridIsDashed) {
    const std::vector<PlotLine> lines = plotFrameLines(737);
    ASSERT_EQ(lines.size(), 52u);
    const std::vector<PlotPixel> axis = linePixels(lines[0]);
    ASSERT_EQ(axis.size(), 425u);
    EXPECT_EQ(axis.front(), (PlotPixel{50, 20}));
    EXPECT_EQ(axis.back(), (PlotPixel{50, 444}));
    const std::vector<PlotPixel> timeAxis = linePixels(lines[1]);
    EXPECT_EQ(timeAxis.front(), (PlotPixel{40, 440}));
    EXPECT_EQ(timeAxis.back(), (PlotPixel{716, 440}));
    EXPECT_EQ(linePixels(lines[2]).front(), (PlotPixel{45, 420}));
    EXPECT_EQ(linePixels(lines[2]).back(), (PlotPixel{54, 420}));
    EXPECT_EQ(linePixels(lines[31]).front(), (PlotPixel{700, 435}));
    EXPECT_EQ(linePixels(lines[31]).back(), (PlotPixel{700, 444}));
    // The top grid line: dashes of 18 from x = 60, gaps of 6.
    const std::vector<PlotPixel> grid = linePixels(lines[51]);
    EXPECT_TRUE(lines[51].grid);
    EXPECT_EQ(grid.front(), (PlotPixel{60, 40}));
    EXPECT_EQ(grid[17], (PlotPixel{77, 40}));
    EXPECT_EQ(grid[18], (PlotPixel{84, 40}));
    EXPECT_EQ(grid.size(), 27u * 18 + 9); // 657 pixels: 27 periods and 9 more
}

TEST(CoolingPlot, CurvePixelsThatAreNotPositionsAreSkipped) {
    CoolingState s;
    s.tFluid = 20;
    s.plotLow = 20; // the picture's lower axis: the fluid
    s.initialExcess = 80;
    s.tBody = 60;
    s.coolingTime = 1;
    s.scaleTime = 0; // a scale pass that took no time
    EXPECT_FALSE(curvePixel(s).has_value());
    s.scaleTime = 1e-300;
    EXPECT_FALSE(curvePixel(s).has_value());
    s.scaleTime = 2;
    EXPECT_EQ(curvePixel(s), (PlotPixel{375, 240}));
}

TEST(CoolingPlot, SchemesOfThePlotTypes) {
    EXPECT_EQ(plotScheme(0).background, 0x000000u);
    EXPECT_EQ(plotScheme(0).axis, 0x00FF00u);
    EXPECT_EQ(plotScheme(0).curve, 0xFFFF00u);
    EXPECT_EQ(plotScheme(1).background, 0xFFFFFFu);
    EXPECT_EQ(plotScheme(1).axis, 0x000000u);
    EXPECT_EQ(plotScheme(1).curve, 0x000000u);
}

} // namespace
} // namespace zav
