// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <clocale>
#include <csignal>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <stdexcept>

#include <sys/resource.h>

#include <gtest/gtest.h>

#include "core/steady_state.h"
#include "core/test_support.h"
#include "core/text_encoding.h"
#include "temp_folder.h"
#include "export/cel_file.h"
#include "export/sweeps.h"
#include "export/table_file.h"

namespace zav {
namespace {

using test::FakeInputs;
using test::RecordingReporter;

// The messages the caller gives for a sweep whose file was never chosen.
const std::string kNoTableFile = "Nie je zvolený súbor pre tabuľku; tabuľka sa nezapíše.";
const std::string kNoCelFile = "Nie je zvolený súbor pre Ansys; súbor sa nezapíše.";

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFileForTest(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string golden(const char* name) { return readAll(std::filesystem::path(ZAV_GOLDEN_DIR) / name); }

class FileTest : public ::testing::Test {
protected:
    std::string path(const char* name) const { return (m_dir / name).string(); }
    std::size_t filesInDir() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(m_dir), {}));
    }
    test::TempFolder m_folder;
    const std::filesystem::path& m_dir = m_folder.path();
};

// Records what a sweep gives the chart.
struct RecordingChart : ChartSink {
    long long prepared = -1;
    std::vector<std::pair<double, double>> points; // tBody, alphaTotal
    int finished = 0;
    void prepareChart(long long count) override { prepared = count; }
    void setChartPoint(long long index, const ConvectionState& s) override {
        EXPECT_EQ(index, static_cast<long long>(points.size()));
        points.emplace_back(s.tBody, s.alphaTotal);
    }
    void finishChart() override { ++finished; }
    void abandonChart() override { ++abandoned; }
    int abandoned = 0;
};

ConvectionState defaultInputs() {
    ConvectionState s;
    s.tFluid = 20;
    s.charLength = 0.1;
    s.area = 1;
    s.emissivity = 0.8;
    return s;
}

TEST_F(FileTest, TableOfAShortSweepWithRadiationMatchesItsGoldenFile) {
    ConvectionState s = defaultInputs();
    FakeInputs in;
    in.values.radiationOn = true;
    in.values.shape = SurfaceGeometry::Sphere;
    RecordingReporter reporter;
    RecordingChart chart;
    ASSERT_TRUE(runTableSweep(s, {-10, 30, 10}, in, reporter, path("table.txt"), kNoTableFile, chart));
    EXPECT_EQ(readAll(path("table.txt")), golden("table_sphere_radiation.txt"));
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(chart.prepared, 5);
    EXPECT_EQ(chart.points.size(), 5u);
    EXPECT_EQ(chart.finished, 1);
    EXPECT_EQ(filesInDir(), 1u); // no temporary file is left
}

TEST_F(FileTest, CelLibraryMatchesItsGoldenFile) {
    ConvectionState s = defaultInputs();
    FakeInputs in;
    RecordingReporter reporter;
    ASSERT_TRUE(
        runCelSweep(s, {-5, 5, 5}, in, reporter, path("q1.ccl"), kNoCelFile, "Q1", "Sun Dec  6 07:47:35 2026\n"));
    EXPECT_EQ(readAll(path("q1.ccl")), golden("q1.ccl"));
}

TEST(CelFileTest, PairsUseTheDecimalPointAndAMinimumWidth) {
    EXPECT_EQ(celPair(-5, 4.5123), "-5.000,4.512");
    EXPECT_EQ(celPair(0, 0.0005), "0.000,0.001");
    EXPECT_EQ(celPair(20, 14.1675), "20.000,14.168");
    EXPECT_EQ(celPair(1e6, 12345.6789), "1000000.000,12345.679");
}

TEST(CelFileTest, PairsAreWhatPrintfWritesInTheCLocale) {
    // Ties to even on the exact value, -0, the extremes, the non-finite, then every magnitude.
    constexpr double inf = std::numeric_limits<double>::infinity();
    std::vector<double> values = {0.0625, 0.0005, 2.0625, -0.0, 1e300, -1.7976931348623157e308, 5e-324, inf,
                                  -inf, std::nan(""), -std::nan("")};
    std::mt19937_64 random(6);
    for (int i = 0; i < 100000; ++i) {
        values.push_back(i % 2 ? std::ldexp(static_cast<double>(random() % 100000) - 50000, -4)
                               : std::pow(10.0, std::uniform_real_distribution<double>(-5, 12)(random)));
    }
    char expected[800];
    for (std::size_t i = 0; i + 1 < values.size(); ++i) {
        std::snprintf(expected, sizeof expected, "%5.3f,%5.3f", values[i], values[i + 1]);
        ASSERT_EQ(celPair(values[i], values[i + 1]), expected) << values[i] << " " << values[i + 1];
    }
}

TEST(CelFileTest, PairsIgnoreTheProgramsLocale) {
    const char* slovak[] = {"sk_SK.UTF-8", "sk_SK.utf8", "de_DE.UTF-8", "de_DE.utf8"};
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    const char* chosen = nullptr;
    for (const char* name : slovak) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            chosen = name;
            break;
        }
    }
    if (chosen == nullptr)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    const std::string pair = celPair(20, 4.512);
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(pair, "20.000,4.512");
}

TEST(CelFileTest, EmptyNameLeavesTheFixedParts) {
    const std::string head = celHead("", "Sun Dec  6 07:47:35 2026\n");
    EXPECT_NE(head.find("\n       = 1(T)\n"), std::string::npos);
    EXPECT_NE(head.find("\n    FUNCTION: 1\n"), std::string::npos);
    EXPECT_NE(head.find("# Vytvorené:  Sun Dec  6 07:47:35 2026\n\nLIBRARY:\n"), std::string::npos);
}

TEST(CelFileTest, TailEndsWithEndAndNoLineEnd) {
    const std::string tail = celTail();
    EXPECT_EQ(tail.substr(tail.size() - 4), "\nEND");
}

TEST(CelFileTest, TimeLineIsAsctime) {
    const std::string time = currentAsctime();
    ASSERT_EQ(time.size(), 25u);
    EXPECT_EQ(time.back(), '\n');
    EXPECT_EQ(time[3], ' ');
    EXPECT_EQ(time[19], ' ');
}

struct NameCase {
    const char* name;
    bool valid;
};

class CelNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(CelNameTest, LetterThenLettersDigitsUnderscores) {
    EXPECT_EQ(isValidCelName(GetParam().name), GetParam().valid) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Names, CelNameTest,
                         ::testing::Values(NameCase{"Q1", true}, NameCase{"alpha_wall_2", true}, NameCase{"x", true},
                                           NameCase{"", false}, NameCase{"1abc", false}, NameCase{"_a", false},
                                           NameCase{"a b", false}, NameCase{"a-b", false}, NameCase{"čas", false},
                                           NameCase{"a.b", false}, NameCase{" a", false}));

TEST_F(FileTest, OneSweepPointWritesOnePairAndNoComma) {
    ConvectionState s = defaultInputs();
    FakeInputs in;
    RecordingReporter reporter;
    ASSERT_TRUE(runCelSweep(s, {50, 50, 1}, in, reporter, path("one.ccl"), kNoCelFile, "Q", "T\n"));
    const std::string text = readAll(path("one.ccl"));
    const std::size_t start = text.find("Data Pairs = ") + 13;
    const std::string pairs = text.substr(start, text.find('\r', start) - start);
    EXPECT_EQ(pairs, celPair(50, s.alphaTotal));
    EXPECT_EQ(pairs.find(',', pairs.find(',') + 1), std::string::npos);
}

TEST_F(FileTest, RadiationOffGivesZeroRadiativeColumn) {
    ConvectionState s = defaultInputs();
    FakeInputs in;
    RecordingReporter reporter;
    RecordingChart chart;
    ASSERT_TRUE(runTableSweep(s, {0, 100, 50}, in, reporter, path("t.txt"), kNoTableFile, chart));
    std::istringstream lines(readAll(path("t.txt")));
    std::string line;
    std::getline(lines, line); // header
    int count = 0;
    while (std::getline(lines, line)) {
        std::vector<std::string> columns;
        std::istringstream fields(line.substr(0, line.size() - 1)); // without the CR
        for (std::string field; std::getline(fields, field, ';');)
            columns.push_back(field);
        ASSERT_EQ(columns.size(), 14u);
        EXPECT_EQ(columns[12], "0,000");
        EXPECT_EQ(columns[11], columns[13]);
        ++count;
    }
    EXPECT_EQ(count, 3);
}

TEST_F(FileTest, MaximumBelowMinimumWritesTheHeaderAlone) {
    ConvectionState s = defaultInputs();
    FakeInputs in;
    RecordingReporter reporter;
    RecordingChart chart;
    ASSERT_TRUE(runTableSweep(s, {100, 0, 5}, in, reporter, path("t.txt"), kNoTableFile, chart));
    EXPECT_EQ(readAll(path("t.txt")).find("\r\n"), readAll(path("t.txt")).size() - 2);
    EXPECT_EQ(chart.prepared, 0);
}

TEST_F(FileTest, UnsweepableRangeOrMissingFileOpensNothing) {
    ConvectionState s = defaultInputs();
    FakeInputs in;
    RecordingReporter reporter;
    RecordingChart chart;
    EXPECT_FALSE(runTableSweep(s, {0, 100, 0}, in, reporter, path("t.txt"), kNoTableFile, chart));
    EXPECT_FALSE(runTableSweep(s, {0, 100, 5}, in, reporter, "", kNoTableFile, chart));
    EXPECT_FALSE(runCelSweep(s, {0, 100, 5}, in, reporter, "", kNoCelFile, "Q", "T\n"));
    const std::string unwritable = path("no/such/folder/t.txt");
    EXPECT_FALSE(runTableSweep(s, {0, 100, 5}, in, reporter, unwritable, kNoTableFile, chart));
    EXPECT_EQ(reporter.messages,
              (std::vector<std::string>{
                  "Krok teploty povrchu musí byť väčší ako nula; rozsah sa nevypočíta.",
                  kNoTableFile,
                  kNoCelFile,
                  "Súbor „" + unwritable + "“ sa nepodarilo otvoriť na zápis."}));
    EXPECT_EQ(chart.prepared, -1);
    EXPECT_EQ(filesInDir(), 0u);
}

// A disk that will not take the whole file (here a file-size limit of 2000 bytes): the sweep says
// the file was not written, and the old one stays.
TEST_F(FileTest, FileTheDiskWillNotTakeIsReportedAndTheOldOneStays) {
    for (const bool table : {true, false}) {
        SCOPED_TRACE(table ? "table" : "CEL library");
        const std::string name = path(table ? "t.txt" : "t.ccl");
        writeFileForTest(name, "old");
        ConvectionState s = defaultInputs();
        FakeInputs in;
        RecordingReporter reporter;
        RecordingChart chart;
        const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY};
        const rlimit limited{2000, RLIM_INFINITY};
        const auto sigxfsz = std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &limited);
        int errorNumber = 0;
        const bool written =
            table ? runTableSweep(s, {0, 100, 0.25}, in, reporter, name, kNoTableFile, chart, noProgress(), &errorNumber)
                  : runCelSweep(s, {0, 100, 0.25}, in, reporter, name, kNoCelFile, "Q", "T\n", noProgress(), &errorNumber);
        ::setrlimit(RLIMIT_FSIZE, &unlimited);
        std::signal(SIGXFSZ, sigxfsz);
        EXPECT_FALSE(written);
        EXPECT_EQ(errorNumber, EFBIG);
        EXPECT_EQ(reporter.messages, std::vector<std::string>{"Súbor „" + name + "“ sa nepodarilo zapísať."});
        EXPECT_EQ(readAll(name), "old");
    }
}

TEST_F(FileTest, ErrorMidSweepLeavesTheOldFileAsItWas) {
    struct FailingAt : FakeInputs {
        double inclinationDeg() const override {
            if (++calls == 3)
                throw std::runtime_error("not a number");
            return 0;
        }
        mutable int calls = 0;
    } in;
    in.values.shape = SurfaceGeometry::InclinedPlate;
    writeFileForTest(path("t.txt"), "the previous table\r\n");
    ConvectionState s = defaultInputs();
    RecordingReporter reporter;
    RecordingChart chart;
    EXPECT_THROW(runTableSweep(s, {0, 100, 5}, in, reporter, path("t.txt"), kNoTableFile, chart),
                 std::runtime_error);
    EXPECT_EQ(readAll(path("t.txt")), "the previous table\r\n");
    EXPECT_EQ(chart.points.size(), 2u);
    EXPECT_EQ(chart.finished, 1);
    EXPECT_EQ(filesInDir(), 1u); // no temporary file beside it
}

// Lines are written by a second thread in blocks: a sweep of several blocks and a part of one has
// every line, in order, as writing them one by one gives.
TEST_F(FileTest, LongSweepWritesEveryLineInItsOrder) {
    const SweepRange range{0, 10, 0.001};
    FakeInputs in;
    RecordingReporter reporter;
    RecordingChart chart;
    ConvectionState s = defaultInputs();
    ASSERT_TRUE(runTableSweep(s, range, in, reporter, path("long.txt"), kNoTableFile, chart));
    std::string expected = toWindows1250(tableHeader()) + "\r\n";
    ConvectionState one = defaultInputs();
    for (long long i = 0; i < sweepPointCount(range); ++i) {
        one.tBody = sweepPoint(range, i);
        evaluatePoint(one, in, reporter);
        expected += tableLine(one) + "\r\n";
    }
    EXPECT_EQ(chart.points.size(), 10001u);
    EXPECT_TRUE(readAll(path("long.txt")) == expected);
}

// Cancels a sweep before point `at`.
struct CancelAt : SweepProgress {
    explicit CancelAt(long long point) : at(point) {}
    bool keepGoing(long long done, long long count) override {
        EXPECT_EQ(count, 21);
        return done < at;
    }
    long long at;
};

TEST_F(FileTest, CancelledSweepLeavesTheOldFileAndTheChart) {
    struct Case {
        bool table;
        long long at;
    };
    for (const Case& c : {Case{true, 0}, Case{true, 7}, Case{true, 20}, Case{false, 0}, Case{false, 20}}) {
        writeFileForTest(path("old"), "the previous file\r\n");
        ConvectionState s = defaultInputs();
        FakeInputs in;
        RecordingReporter reporter;
        RecordingChart chart;
        CancelAt progress(c.at);
        const bool written =
            c.table ? runTableSweep(s, {0, 100, 5}, in, reporter, path("old"), kNoTableFile, chart, progress)
                    : runCelSweep(s, {0, 100, 5}, in, reporter, path("old"), kNoCelFile, "Q", "\n", progress);
        EXPECT_FALSE(written);
        EXPECT_EQ(readAll(path("old")), "the previous file\r\n");
        EXPECT_EQ(filesInDir(), 1u);
        EXPECT_TRUE(reporter.messages.empty());
        ASSERT_EQ(reporter.statusTexts.size(), 1u);
        EXPECT_EQ(reporter.statusTexts[0], std::string("Výpočet ") + (c.table ? "tabuľky" : "pre Ansys") +
                                               " bol zrušený; súbor „" + path("old") + "“ zostal bez zmeny.");
        EXPECT_EQ(chart.points.size(), c.table ? static_cast<std::size_t>(c.at) : 0u);
        EXPECT_EQ(chart.abandoned, c.table ? 1 : 0);
        EXPECT_EQ(chart.finished, 0);
    }
}

TEST_F(FileTest, UserFluidWarningsOncePerPoint) {
    FakeInputs in;
    in.values.fluid = FluidKind::UserDefined;
    in.values.userFluid.kind = ApproximationKind::Linear;
    in.values.userFluid.viscosityCoeffs = {1.7e-5, 4.05e-8};
    in.values.userFluid.densityCoeffs = {1.2, -0.0032};
    in.values.userFluid.conductivityCoeffs = {0.0237, 6.97e-5};
    in.values.userFluid.heatCapacityCoeffs = {1003.6, 0.067};
    in.values.userFluid.validTempMin = 0;
    in.values.userFluid.validTempMax = 100;
    ConvectionState s = defaultInputs();
    s.tFluid = -5;
    RecordingReporter reporter;
    RecordingChart chart;
    ASSERT_TRUE(runTableSweep(s, {20, 40, 10}, in, reporter, path("t.txt"), kNoTableFile, chart));
    EXPECT_EQ(reporter.messages.size(), 3u);
}

} // namespace
} // namespace zav
