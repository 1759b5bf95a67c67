// SPDX-License-Identifier: GPL-3.0-or-later
// The files of zav-calc against the windows' files of the same case, written by the windows
// themselves through zav-scenario in the same folder: the table, the cooling data file (byte for
// byte), the CEL library (byte for byte but for its time line) and the cooling picture (the same
// header, and the same pixels wherever the window's desktop font does not draw a label).
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "export/cooling_plot.h"
#include "temp_folder.h"

namespace zav::test {

namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

int run(const TempFolder& folder, const std::string& command) {
    const int status = std::system(("cd '" + folder.path().string() + "' && " + command).c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

enum class Compare { Bytes, BytesButTimeLine, Picture };

struct FileCase {
    const char* what;
    const char* script;   // the windows' steps; they write window.*
    const char* options;  // zav-calc's options for the same case; they write calc.*
    const char* window;   // the file the window wrote
    const char* calc;     // the file zav-calc wrote
    Compare compare;
    double tFluid = 0; // the picture's temperature axis: from the fluid
    double tStart = 0; // to the start
};

const std::vector<FileCase> kCases = {
    {"table of a sphere with radiation",
     "click Form1.RadioButton8\nclick Form1.CheckBox1\nset Form1.Edit20 0,7\nset Form6.Edit3 10\n"
     "answer save window.txt\nmenu Form1.Ulodosboru1\nclick Form1.Button1\n",
     "sweep --shape sphere --emissivity 0,7 --step 10 --table calc.txt", "window.txt", "calc.txt", Compare::Bytes},
    {"table of a linear fluid in water's range",
     "click Form1.Button2\nclick Form8.RadioButton2\nset Form1.Edit2 -10\nset Form6.Edit1 -20\nset Form6.Edit2 130\n"
     "answer save window.txt\nmenu Form1.Ulodosboru1\nclick Form1.Button1\n",
     "sweep --fluid-file linear.json --t-fluid -10 --from -20 --to 130 --table calc.txt", "window.txt", "calc.txt",
     Compare::Bytes},
    {"CEL library of an inclined plate",
     "click Form1.RadioButton3\nset Form1.Edit16 45\nanswer save window.ccl\nmenu Form1.Ansys1\nanswer input Q1\n"
     "click Form1.Button1\n",
     "sweep --shape inclined-plate --angle 45 --ccl calc.ccl --name Q1", "window.ccl", "calc.ccl",
     Compare::BytesButTimeLine},
    {"cooling data of carbon steel",
     "menu Form1.Ochladzovanie1\nclick Form5.RadioButton3\nset Form2.Edit6 50\nset Form2.Edit4 40\n"
     "answer save window.txt\nmenu Form2.Uloz\nclick Form2.Button1\n",
     "cool --emissivity 1 --heat-capacity carbon-steel --steps 50 --target 40 --data calc.txt", "window.txt",
     "calc.txt", Compare::Bytes},
    {"cooling data without radiation, stopped",
     "menu Form1.Ochladzovanie1\nclick Form2.CheckBox1\nset Form2.Edit6 2,5\nanswer save window.txt\nmenu Form2.Uloz\n"
     "click Form2.Button1\n",
     "cool --no-radiation --steps 2,5 --data calc.txt", "window.txt", "calc.txt", Compare::Bytes},
    {"cooling data of the cooling window's defaults",
     "menu Form1.Ochladzovanie1\nset Form2.Edit6 50\nanswer save window.txt\nmenu Form2.Uloz\nclick Form2.Button1\n",
     "cool --steps 50 --data calc.txt", "window.txt", "calc.txt", Compare::Bytes},
    {"cooling data without radiation, emissivity in the radiation column",
     "menu Form1.Ochladzovanie1\nclick Form2.CheckBox1\nset Form2.Edit10 0,4\nset Form2.Edit6 50\n"
     "answer save window.txt\nmenu Form2.Uloz\nclick Form2.Button1\n",
     "cool --no-radiation --emissivity 0,4 --steps 50 --data calc.txt", "window.txt", "calc.txt", Compare::Bytes},
    {"picture on black",
     "menu Form1.Ochladzovanie1\nset Form2.Edit6 300\nclick Form2.Button1\nanswer save window.bmp\n"
     "click Form2.Button3\n",
     "cool --emissivity 1 --steps 300 --picture calc.bmp", "window.bmp", "calc.bmp", Compare::Picture, 20, 100},
    {"picture on white, warming up",
     "menu Form1.Ochladzovanie1\nselect Form2.ComboBox1 1\nset Form1.Edit1 10\nset Form1.Edit2 80\n"
     "set Form2.Edit4 70\nclick Form2.Button1\nanswer save window.bmp\nclick Form2.Button3\n",
     "cool --emissivity 1 --t-body 10 --t-fluid 80 --target 70 --picture calc.bmp --picture-background white",
     "window.bmp", "calc.bmp", Compare::Picture, 80, 10},
};

std::string withoutLine(const std::string& text, int line) {
    std::istringstream in(text);
    std::string out, row;
    for (int i = 1; std::getline(in, row); ++i) {
        if (i != line)
            out += row + "\n";
    }
    return out;
}

// 0xRRGGBB of a pixel of a 24-bit bottom-up Windows bitmap.
std::uint32_t bitmapPixel(const std::string& bmp, int width, int height, int x, int y) {
    const std::size_t row = static_cast<std::size_t>((width * 3 + 3) / 4 * 4);
    const std::size_t at = 54 + static_cast<std::size_t>(height - 1 - y) * row + static_cast<std::size_t>(x) * 3;
    const auto byte = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bmp[i])); };
    return byte(at) | byte(at + 1) << 8 | byte(at + 2) << 16;
}

// gtest names a case by its description.
void PrintTo(const FileCase& c, std::ostream* os) { *os << c.what; }

class CalcFilesTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(CalcFilesTest, SameAsTheWindowsFile) {
    const FileCase& c = GetParam();
    TempFolder folder;
    std::ofstream(folder.file("linear.json")) << R"({"kind": "linear"})";
    std::ofstream(folder.file("case.zs")) << c.script;
    ASSERT_EQ(run(folder, std::string("QT_QPA_PLATFORM=offscreen '") + ZAV_SCENARIO + "' case.zs > window.out"), 0);
    const int status = run(folder, std::string("'") + ZAV_CALC + "' " + c.options + " > calc.json");
    const std::string window = readAll(folder.file(c.window));
    const std::string calc = readAll(folder.file(c.calc));
    ASSERT_FALSE(window.empty()) << readAll(folder.file("window.out"));
    ASSERT_FALSE(calc.empty()) << status;
    switch (c.compare) {
    case Compare::Bytes:
        EXPECT_TRUE(calc == window);
        break;
    case Compare::BytesButTimeLine:
        EXPECT_EQ(withoutLine(calc, 2), withoutLine(window, 2));
        EXPECT_EQ(calc.size(), window.size());
        break;
    case Compare::Picture: {
        ASSERT_EQ(status, 0);
        ASSERT_EQ(calc.size(), window.size());
        EXPECT_EQ(calc.substr(0, 54), window.substr(0, 54));
        // The labels' boxes, as generous as any desktop font of the window's size needs (an accent
        // may stand above the text's top).
        const nlohmann::json result = nlohmann::json::parse(readAll(folder.file("calc.json")));
        const int width = 737, height = 489;
        std::vector<bool> label(static_cast<std::size_t>(width * height), false);
        for (const PlotText& text : plotTexts(c.tFluid, c.tStart, result["scale_time"].get<double>(), width)) {
            const int right = text.x + 9 * static_cast<int>(text.text.size()) + 2;
            for (int y = std::max(0, text.y - 3); y < std::min(height, text.y + 18); ++y) {
                for (int x = std::max(0, text.x - 1); x < std::min(width, right); ++x)
                    label[static_cast<std::size_t>(y * width + x)] = true;
            }
        }
        int differing = 0, compared = 0;
        std::string where;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (label[static_cast<std::size_t>(y * width + x)])
                    continue;
                ++compared;
                if (bitmapPixel(calc, width, height, x, y) != bitmapPixel(window, width, height, x, y)) {
                    ++differing;
                    where += " (" + std::to_string(x) + "," + std::to_string(y) + ")";
                }
            }
        }
        EXPECT_EQ(differing, 0) << "pixels:" << where;
        EXPECT_GT(compared, width * height * 3 / 4);
        break;
    }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CalcFilesTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<FileCase>& param) {
                             std::string name;
                             for (char ch : std::string(param.param.what))
                                 name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return name;
                         });

} // namespace

} // namespace zav::test
