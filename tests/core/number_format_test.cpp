// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_format.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <ostream>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "tests/number_reference.h"

namespace zav {
namespace {

struct FixedCase {
    double value;
    int precision;
    int decimals;
    const char* expected;
};

void PrintTo(const FixedCase& c, std::ostream* os) {
    *os << c.value << " P" << c.precision << " D" << c.decimals;
}

class FormatFixedTest : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixedTest, WritesTheRoundedValue) {
    const FixedCase& c = GetParam();
    EXPECT_EQ(formatFixed(c.value, c.precision, c.decimals), c.expected)
        << "value " << c.value << " P " << c.precision << " D " << c.decimals;
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Table, FormatFixedTest,
    ::testing::Values(
        // Half away from zero, on the exact binary value.
        FixedCase{2.675, 10, 2, "2,67"}, // stored as 2.67499999...
        FixedCase{1.005, 10, 2, "1,00"}, // stored as 1.00499999...
        FixedCase{0.125, 10, 2, "0,13"}, // exactly half: away from zero, not to even
        FixedCase{-0.125, 10, 2, "-0,13"}, FixedCase{2.5, 10, 0, "3"}, FixedCase{-2.5, 10, 0, "-3"},
        FixedCase{0.5, 10, 0, "1"}, FixedCase{0.05, 10, 1, "0,1"}, // stored as 0.05000000000000000277
        FixedCase{0.15, 10, 1, "0,1"},                              // stored as 0.1499999999999999944
        // Carries through the integer part.
        FixedCase{9.9996, 10, 3, "10,000"}, FixedCase{-9.9996, 10, 3, "-10,000"}, FixedCase{99.95, 10, 1, "100,0"},
        FixedCase{0.9999, 10, 3, "1,000"},
        // Precision limits the digits; zeros fill the decimals.
        FixedCase{456789.123, 6, 2, "456789,00"}, FixedCase{12345.678, 6, 2, "12345,70"},
        FixedCase{7.362488747120539, 6, 3, "7,362"}, FixedCase{1.23456789, 3, 4, "1,2300"},
        FixedCase{1.5, 1, 3, "2,000"},
        // More integer digits than the precision: the exponent form with P digits.
        FixedCase{4567891.2, 6, 2, "4,56789E+0006"}, FixedCase{999999.5, 6, 2, "1,00000E+0006"},
        FixedCase{-999999.5, 6, 2, "-1,00000E+0006"}, FixedCase{999999.4, 6, 2, "999999,00"},
        FixedCase{1234567, 6, 2, "1,23457E+0006"}, FixedCase{1e300, 6, 2, "1,00000E+0300"},
        FixedCase{123456789012.0, 10, 2, "1,234567890E+0011"},
        // Values that round to zero carry no sign.
        FixedCase{-0.0004, 10, 3, "0,000"}, FixedCase{-0.0, 10, 2, "0,00"}, FixedCase{0.0, 10, 2, "0,00"},
        FixedCase{1e-20, 10, 2, "0,00"}, FixedCase{-1e-300, 6, 3, "0,000"}, FixedCase{0.0005, 10, 3, "0,001"},
        FixedCase{0.00049999, 10, 3, "0,000"}, FixedCase{0.4, 10, 0, "0"}, FixedCase{0.004, 6, 2, "0,00"},
        FixedCase{0.006, 6, 2, "0,01"},
        // Ordinary results of the main window.
        FixedCase{60, 10, 2, "60,00"}, FixedCase{18.9044864, 10, 2, "18,90"}, FixedCase{1006.529924, 10, 1, "1006,5"},
        FixedCase{-5, 6, 3, "-5,000"},
        // Values that are not finite.
        FixedCase{kInf, 6, 2, "INF"}, FixedCase{-kInf, 6, 2, "-INF"},
        FixedCase{std::numeric_limits<double>::quiet_NaN(), 6, 2, "NAN"}));

struct ExponentCase {
    double value;
    int precision;
    const char* expected;
};

void PrintTo(const ExponentCase& c, std::ostream* os) { *os << c.value << " P" << c.precision; }

class FormatExponentTest : public ::testing::TestWithParam<ExponentCase> {};

TEST_P(FormatExponentTest, WritesMantissaAndFourDigitExponent) {
    const ExponentCase& c = GetParam();
    EXPECT_EQ(formatExponent(c.value, c.precision), c.expected) << "value " << c.value << " P " << c.precision;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatExponentTest,
    ::testing::Values(ExponentCase{1.589e-5, 8, "1,5890000E-0005"}, ExponentCase{0.0, 8, "0,0000000E+0000"},
                      ExponentCase{-0.0, 3, "0,00E+0000"}, ExponentCase{-1.5e-5, 3, "-1,50E-0005"},
                      ExponentCase{999999.99999, 8, "1,0000000E+0006"}, ExponentCase{123.456, 5, "1,2346E+0002"},
                      ExponentCase{1.25, 2, "1,3E+0000"}, ExponentCase{2.5e10, 1, "3E+0010"},
                      ExponentCase{1e-300, 5, "1,0000E-0300"}, ExponentCase{4.9406564584124654e-324, 5, "4,9407E-0324"},
                      ExponentCase{7488395.678922651, 8, "7,4883957E+0006"},
                      ExponentCase{12345678901.0, 4, "1,235E+0010"},
                      ExponentCase{kInf, 8, "INF"}, ExponentCase{std::numeric_limits<double>::quiet_NaN(), 8, "NAN"}));

TEST(FormatTest, DecimalSeparatorCanBeChosen) {
    EXPECT_EQ(formatFixed(2.5, 6, 3, '.'), "2.500");
    EXPECT_EQ(formatExponent(1.589e-5, 8, '.'), "1.5890000E-0005");
}

struct GroupedCase {
    double value;
    const char* expected;
};

void PrintTo(const GroupedCase& c, std::ostream* os) { *os << c.value; }

class FormatGroupedTest : public ::testing::TestWithParam<GroupedCase> {};

TEST_P(FormatGroupedTest, ThousandsGroupedUpToNineDecimals) {
    EXPECT_EQ(formatGrouped(GetParam().value, 9, " "), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Pattern, FormatGroupedTest,
                         ::testing::Values(GroupedCase{1234567.5, "1 234 567,5"}, GroupedCase{1000, "1 000"},
                                           GroupedCase{999, "999"}, GroupedCase{-1234.5, "-1 234,5"},
                                           GroupedCase{0.000019979, "0,000019979"}, GroupedCase{12.5, "12,5"},
                                           GroupedCase{0.0000000004, "0"}, GroupedCase{-0.0000000001, "0"},
                                           GroupedCase{999.9999999996, "1 000"}, GroupedCase{0, "0"},
                                           GroupedCase{0.1 + 0.2, "0,3"}, GroupedCase{-100000, "-100 000"}));

struct ParseCase {
    const char* text;
    double expected;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << "'" << c.text << "'"; }

class ParseNumberTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTest, ReadsNumbersWithTheDecimalComma) {
    EXPECT_EQ(parseNumber(GetParam().text), GetParam().expected) << "text '" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(Table, ParseNumberTest,
                         ::testing::Values(ParseCase{"100", 100}, ParseCase{"1e2", 100}, ParseCase{" 1e2 ", 100},
                                           ParseCase{"\t100\t", 100}, ParseCase{"0,1", 0.1}, ParseCase{"-5", -5},
                                           ParseCase{"+5", 5}, ParseCase{"1,7e-5", 1.7e-5}, ParseCase{"1E+2", 100},
                                           ParseCase{"3,4e-3", 3.4e-3}, ParseCase{",5", 0.5}, ParseCase{"5,", 5},
                                           ParseCase{"-0,0032", -0.0032}, ParseCase{"1e-400", 0},
                                           ParseCase{"0", 0}, ParseCase{"007", 7}));

class NotANumberTest : public ::testing::TestWithParam<const char*> {};

TEST_P(NotANumberTest, ThrowsTheConversionErrorNamingTheText) {
    const std::string text = GetParam();
    try {
        parseNumber(text);
        FAIL() << "'" << text << "' was accepted";
    } catch (const ConversionError& error) {
        EXPECT_EQ(std::string(error.what()), "'" + text + "' nie je platné číslo.");
    }
}

INSTANTIATE_TEST_SUITE_P(Table, NotANumberTest,
                         ::testing::Values("12.5", "", "   ", "1 000", "1.000,5", "inf", "-INF", "nan", "1e400",
                                           "-1e400", "abc", "1e", "1e+", "--1", "+-1", "1,2,3", "0x10", ",", "-",
                                           "1e2.5", "12,5 kg", "1,5e2,5"));

class FormatGeneralTest : public ::testing::TestWithParam<std::pair<double, const char*>> {};

TEST_P(FormatGeneralTest, WritesTheShortestTextOfFifteenDigits) {
    EXPECT_EQ(formatGeneral(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatGeneralTest,
    ::testing::Values(std::pair{0.0, "0"}, std::pair{-0.0, "0"}, std::pair{100.0, "100"}, std::pair{0.05, "0,05"},
                      std::pair{-21.5, "-21,5"}, std::pair{double(20.3f), "20,2999992370605"},
                      std::pair{0.1 + 0.2, "0,3"}, std::pair{0.00001, "0,00001"}, std::pair{1.5e-7, "1,5E-7"},
                      std::pair{-0.0000012345, "-1,2345E-6"}, std::pair{123456789012345.0, "123456789012345"},
                      std::pair{1e15, "1E15"}, std::pair{999999999999999.9, "1E15"}, std::pair{2.5e20, "2,5E20"},
                      std::pair{0.0000045, "4,5E-6"}, std::pair{1e300, "1E300"}));

// The formats against the slow reference of tests/number_reference.h, which the fuzz targets use too.
// Every (precision, decimals) of the fixed form that the windows and files use, a few extremes, the
// exponent form's digit counts (precision with decimals -1) and the grouped form (0, 9).
struct Format {
    int precision;
    int decimals;
};
constexpr Format kFormats[] = {{10, 1}, {10, 2}, {10, 3}, {10, 4}, {6, 2}, {6, 3},  {6, 4},  {5, 3}, {5, 1},
                               {5, 0},  {8, 1},  {8, 2},  {8, 3},  {8, 4}, {8, 6},  {1, 3},  {15, 2},
                               {22, 12}, {1, -1}, {4, -1}, {5, -1}, {8, -1}, {15, -1}, {0, 9}};

void expectReference(double value, const Format& f, const test::ExactValue& exact, int& compared) {
    std::string actual, expected;
    if (f.precision == 0) {
        actual = formatGrouped(value, 9, " ");
        expected = test::referenceGrouped(value, exact, 9, " ");
    } else if (f.decimals < 0) {
        actual = formatExponent(value, f.precision);
        expected = test::referenceExponent(value, exact, f.precision);
    } else {
        actual = formatFixed(value, f.precision, f.decimals);
        expected = test::referenceFixed(value, exact, f.precision, f.decimals);
    }
    ++compared;
    ASSERT_EQ(actual, expected) << std::hexfloat << value << " P" << f.precision << " D" << f.decimals;
}

TEST(NumberFormatReference, AMillionValuesRoundOnTheExactValue) {
    constexpr int kFormatCount = sizeof kFormats / sizeof kFormats[0];
    using limits = std::numeric_limits<double>;
    int compared = 0;
    for (double v : {0.0, -0.0, limits::max(), -limits::max(), limits::min(), -limits::min(), limits::denorm_min(),
                     -limits::denorm_min(), limits::quiet_NaN(), limits::infinity(), -limits::infinity()}) {
        const test::ExactValue exact(v);
        for (const Format& f : kFormats)
            expectReference(v, f, exact, compared);
    }
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 1000000; ++i) {
        double v = 0;
        switch (i % 6) {
        case 0: { // any finite double, subnormals included
            const std::uint64_t bits = random();
            std::memcpy(&v, &bits, sizeof v);
            if (!std::isfinite(v))
                v = std::ldexp(static_cast<double>(bits >> 12), -1074);
            break;
        }
        case 1: // exact ties k/2^j
            v = std::ldexp(static_cast<double>(random() % 2000001) - 1e6, -static_cast<int>(random() % 12));
            break;
        case 2: // integers ending in 5, and halves
            v = static_cast<double>(random() % 10000000) * 10 + 5 - 4.5 * static_cast<double>(random() % 2);
            break;
        case 3: // just below a power of ten
            v = std::pow(10.0, static_cast<int>(random() % 23) - 4) -
                std::ldexp(static_cast<double>(random() % 64), -static_cast<int>(random() % 70));
            break;
        default: // every magnitude of the program's results
            v = std::pow(10.0, std::uniform_real_distribution<double>(-12, 12)(random)) * (random() % 2 ? -1 : 1);
            break;
        }
        const test::ExactValue exact(v);
        // Three formats per value, turning through the list.
        for (int k = 0; k < 3; ++k)
            expectReference(v, kFormats[(i + k * 8) % kFormatCount], exact, compared);
    }
    EXPECT_GE(compared, 3000000);
}

// Every text the program writes into a field that it reads again (the KELO loader's fields, the
// emissivity of the catalogue, the total coefficient that the Biot box reads) parses back to the
// value it shows, at the extremes of the doubles too.
struct FieldFormat {
    const char* name;
    std::string (*format)(double);
};

TEST(FieldTextsParseBack, AtTheExtremesOfTheDoubles) {
    const FieldFormat formats[] = {
        {"KELO coefficient", [](double v) { return formatExponent(v, 5); }},
        {"KELO pressure", [](double v) { return formatFixed(v, 8, 3); }},
        {"KELO temperature", [](double v) { return formatFixed(v, 5, 1); }},
        {"catalogue emissivity", [](double v) { return formatGeneral(v); }},
        {"total coefficient", [](double v) { return formatFixed(v, 6, 3); }},
    };
    using limits = std::numeric_limits<double>;
    const double values[] = {limits::max(),    -limits::max(),          std::nextafter(limits::max(), 0.0),
                             1e308,            -1.7976e308,             limits::min(),
                             -limits::min(),   limits::denorm_min(),    -limits::denorm_min(),
                             -0.0,             0.0,                     2.2250738585072009e-308,
                             9.9999999e307,    1.0 / 3.0};
    for (const FieldFormat& f : formats) {
        for (double v : values) {
            const std::string text = f.format(v);
            double back = 0;
            ASSERT_NO_THROW(back = parseNumber(text)) << f.name << ": " << text;
            EXPECT_EQ(f.format(back), text) << f.name << ": " << std::hexfloat << v;
        }
    }
}

TEST(ParseNumberTest, DecimalPointWhenAskedFor) { EXPECT_EQ(parseNumber("12.5", '.'), 12.5); }

} // namespace
} // namespace zav
