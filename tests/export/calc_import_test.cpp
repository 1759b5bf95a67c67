// SPDX-License-Identifier: GPL-3.0-or-later
// The table file as a spreadsheet reads it: LibreOffice Calc, told the file's separator, code page
// and the Slovak locale, must see fourteen numeric columns under a header of fourteen texts.
// Skipped where LibreOffice is not installed.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/number_format.h"
#include "core/test_support.h"
#include "temp_folder.h"
#include "export/sweeps.h"

namespace zav {
namespace {

const std::string kNoTableFile = "Nie je zvolený súbor pre tabuľku; tabuľka sa nezapíše.";

struct Cell {
    std::string type;
    std::string value;
};

std::string attribute(const std::string& element, const std::string& name) {
    const std::string key = name + "=\"";
    const std::size_t at = element.find(key);
    if (at == std::string::npos)
        return {};
    const std::size_t begin = at + key.size();
    return element.substr(begin, element.find('"', begin) - begin);
}

// The cells of each row of a flat OpenDocument spreadsheet, with repeated cells expanded.
std::vector<std::vector<Cell>> rows(const std::string& document) {
    std::vector<std::vector<Cell>> result;
    std::size_t at = 0;
    while ((at = document.find("<table:table-row", at)) != std::string::npos) {
        const std::size_t end = document.find("</table:table-row>", at);
        const std::string row = document.substr(at, end - at);
        std::vector<Cell> cells;
        std::size_t cell = 0;
        while ((cell = row.find("<table:table-cell", cell)) != std::string::npos) {
            const std::string element = row.substr(cell, row.find('>', cell) - cell);
            const std::string repeated = attribute(element, "table:number-columns-repeated");
            const Cell value{attribute(element, "office:value-type"), attribute(element, "office:value")};
            for (int n = repeated.empty() ? 1 : std::stoi(repeated); n > 0; --n)
                cells.push_back(value);
            cell += 1;
        }
        while (!cells.empty() && cells.back().type.empty())
            cells.pop_back();
        if (!cells.empty())
            result.push_back(cells);
        at = end;
    }
    return result;
}

struct RecordingChart : ChartSink {
    void prepareChart(long long) override {}
    void setChartPoint(long long, const ConvectionState& s) override { states.push_back(s); }
    void finishChart() override {}
    void abandonChart() override {}
    std::vector<ConvectionState> states;
};

TEST(CalcImportTest, TableOpensAsFourteenNumericColumns) {
    if (std::system("command -v soffice > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    const test::TempFolder folder;
    const std::filesystem::path& dir = folder.path();

    ConvectionState s;
    s.tFluid = 20;
    s.charLength = 0.1;
    s.area = 1;
    test::FakeInputs in;
    test::RecordingReporter reporter;
    RecordingChart chart;
    const std::filesystem::path table = dir / "tabulka.txt";
    ASSERT_TRUE(runTableSweep(s, {0, 100, 5}, in, reporter, table.string(), kNoTableFile, chart));

    // Separator ";", quote '"', Windows-1250 (33), from line 1, standard columns, Slovak (1051).
    const std::string command = "cd '" + dir.string() + "' && soffice --headless -env:UserInstallation=file://" +
                                (dir / "profile").string() +
                                " --infilter='Text - txt - csv (StarCalc):59,34,33,1,,1051' --convert-to fods"
                                " --outdir out tabulka.txt > soffice.log 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream in_file(dir / "out" / "tabulka.fods");
    ASSERT_TRUE(in_file.good());
    std::ostringstream document;
    document << in_file.rdbuf();

    const auto sheet = rows(document.str());
    ASSERT_EQ(sheet.size(), 22u);
    ASSERT_EQ(sheet[0].size(), 14u);
    for (const Cell& cell : sheet[0])
        EXPECT_EQ(cell.type, "string");
    ASSERT_EQ(chart.states.size(), 21u);
    for (std::size_t r = 1; r < sheet.size(); ++r) {
        ASSERT_EQ(sheet[r].size(), 14u) << "row " << r;
        for (const Cell& cell : sheet[r])
            EXPECT_EQ(cell.type, "float") << "row " << r;
        // Calc reads back the values that the file shows.
        const ConvectionState& point = chart.states[r - 1];
        EXPECT_EQ(std::stod(sheet[r][0].value), point.tBody);
        EXPECT_EQ(std::stod(sheet[r][3].value), parseNumber(formatExponent(point.kinViscosity, 8)));
        EXPECT_EQ(std::stod(sheet[r][5].value), parseNumber(formatFixed(point.density, 6, 4)));
        EXPECT_EQ(std::stod(sheet[r][13].value), parseNumber(formatFixed(point.alphaTotal, 6, 3)));
    }
}

} // namespace
} // namespace zav
