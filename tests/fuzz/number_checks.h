// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the number texts for the fuzz targets: the shape of every format, the texts against the
// slow reference of the rounding (tests/number_reference.h), an independent reading of field texts,
// and the round trips the program relies on (a result text is read back by parseNumber: the
// cooling window reads the main window's total coefficient, the KELO tab's loaded fields are read
// by the next calculation).
#pragma once

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <typeinfo>
#include <vector>

#include "core/number_format.h"
#include "fuzz_support.h"
#include "tests/number_reference.h"

// Values near ±DBL_MAX: rounded half away from zero to fewer than 17 digits, their texts would lie
// beyond the largest double, which parseNumber refuses; the formats now round such values toward
// zero instead. When ZAV_FUZZ_EXPECT_MAX_ROUNDTRIP is non-zero, that is required: every text made
// from a finite value must be read back by parseNumber. When it is zero (the default), a text
// beyond the largest double is not read back and the plain rounding is accepted there too.
#ifndef ZAV_FUZZ_EXPECT_MAX_ROUNDTRIP
#define ZAV_FUZZ_EXPECT_MAX_ROUNDTRIP 0
#endif

namespace zav::fuzz {

inline bool isDigitChar(char c) {
    return c >= '0' && c <= '9';
}

// ---------------------------------------------------------------------------------------------
// Reading a field text, written again from the documented rules: blanks (space, tab) around it,
// an optional sign, digits with at most one decimal separator and at least one digit, an optional
// exponent e/E with optional sign and at least one digit; nothing else. A value beyond the range
// of a double is refused; one too small for a double is zero or a subnormal.

inline std::optional<double> expectedParse(const std::string& text, char separator) {
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t'))
        ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t'))
        --e;
    std::string plain;
    std::size_t i = b;
    if (i < e && (text[i] == '-' || text[i] == '+'))
        plain.push_back(text[i++]);
    int digits = 0;
    for (; i < e && isDigitChar(text[i]); ++i, ++digits)
        plain.push_back(text[i]);
    if (i < e && text[i] == separator) {
        plain.push_back('.');
        for (++i; i < e && isDigitChar(text[i]); ++i, ++digits)
            plain.push_back(text[i]);
    }
    if (digits == 0)
        return std::nullopt;
    if (i < e && (text[i] == 'e' || text[i] == 'E')) {
        plain.push_back('e');
        ++i;
        if (i < e && (text[i] == '-' || text[i] == '+'))
            plain.push_back(text[i++]);
        int exponentDigits = 0;
        for (; i < e && isDigitChar(text[i]); ++i, ++exponentDigits)
            plain.push_back(text[i]);
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != e)
        return std::nullopt;
    // The fuzzers never change the C locale, so strtod reads the decimal point.
    char* stop = nullptr;
    const double value = std::strtod(plain.c_str(), &stop);
    if (stop != plain.c_str() + plain.size() || std::isinf(value))
        return std::nullopt;
    return value;
}

/// parseNumber's answer: the value, or nothing when it threw ConversionError (with the message of
/// the text); any other exception aborts.
inline std::optional<double> parseOrNothing(const std::string& text, char separator) {
    try {
        return zav::parseNumber(text, separator);
    } catch (const zav::ConversionError& error) {
        // what() is a C string: a text with a NUL shows up to the NUL.
        std::string expected = "'" + text + "' nie je platné číslo.";
        expected.erase(std::min(expected.find('\0'), expected.size()));
        ZAV_FUZZ_CHECK(expected == error.what(),
                       "message '" + escaped(error.what()) + "' for '" + escaped(text) + "'");
        return std::nullopt;
    } catch (const std::exception& error) {
        fail(__FILE__, __LINE__, "parseNumber threw something else",
             "'" + escaped(text) + "': " + typeid(error).name() + ": " + error.what());
    } catch (...) {
        fail(__FILE__, __LINE__, "parseNumber threw something else", "'" + escaped(text) + "'");
    }
}

/// True when the text (a format's output) stands for a value beyond the largest double.
inline bool beyondDoubleRange(const std::string& text, char separator) {
    std::string plain = text;
    std::replace(plain.begin(), plain.end(), separator, '.');
    return std::isinf(std::strtod(plain.c_str(), nullptr));
}

// ---------------------------------------------------------------------------------------------
// The documented rounding (half away from zero) on the exact decimal value: the reference that the
// unit test of the formats uses too.

using test::ExactValue;
using test::referenceExponent;
using test::referenceFixed;
using test::referenceGeneral;
using test::referenceGrouped;

/// Checks a format's text against the reference made by `reference(withinRange)`: the rounding
/// toward zero near the largest double is required with ZAV_FUZZ_EXPECT_MAX_ROUNDTRIP, else the
/// plain rounding is accepted there too.
template <typename Reference, typename What>
void checkAgainstReference(const std::string& text, Reference reference, What what) {
    const std::string expected = reference(true);
    if (text == expected)
        return;
    if (!ZAV_FUZZ_EXPECT_MAX_ROUNDTRIP && text == reference(false))
        return;
    fail(__FILE__, __LINE__, "text == reference",
         what() + " '" + escaped(text) + "' instead of '" + escaped(expected) + "'");
}

// ---------------------------------------------------------------------------------------------
// Shapes of the texts of a finite value, checked without the reference.

struct Cursor {
    const std::string& text;
    std::size_t at = 0;
    bool done() const { return at == text.size(); }
    bool take(char c) {
        if (at < text.size() && text[at] == c) {
            ++at;
            return true;
        }
        return false;
    }
    std::string digits() {
        const std::size_t from = at;
        while (at < text.size() && isDigitChar(text[at]))
            ++at;
        return text.substr(from, at - from);
    }
};

inline bool allZeros(const std::string& digits) {
    return digits.find_first_not_of('0') == std::string::npos;
}

/// d,ddd…E±dddd with `precision` digits; returns the exponent.
inline int checkExponentShape(const std::string& text, double value, int precision, char sep,
                              const char* what) {
    const auto where = [&] {
        return std::string(std::string(what) + " '" + escaped(text) + "' of " + describe(value) + " P" +
                           std::to_string(precision));
    };
    Cursor c{text};
    const bool minus = c.take('-');
    std::string mantissa = c.digits();
    ZAV_FUZZ_CHECK(mantissa.size() == 1, "one digit before the separator: " + where());
    if (precision > 1) {
        ZAV_FUZZ_CHECK(c.take(sep), "separator: " + where());
        const std::string fraction = c.digits();
        ZAV_FUZZ_CHECK(fraction.size() == static_cast<std::size_t>(precision - 1), "digit count: " + where());
        mantissa += fraction;
    }
    ZAV_FUZZ_CHECK(c.take('E'), "'E': " + where());
    const bool negativeExponent = c.take('-');
    ZAV_FUZZ_CHECK(negativeExponent || c.take('+'), "exponent sign: " + where());
    const std::string exponent = c.digits();
    ZAV_FUZZ_CHECK(c.done(), "nothing after the exponent: " + where());
    ZAV_FUZZ_CHECK(exponent.size() >= 4 && (exponent.size() == 4 || exponent[0] != '0'),
                   "four exponent digits, no extra zeros: " + where());
    ZAV_FUZZ_CHECK(exponent.size() <= 4, "exponent within a double's range: " + where());
    const int e = (negativeExponent ? -1 : 1) * std::atoi(exponent.c_str());
    if (value == 0) {
        ZAV_FUZZ_CHECK(!minus && allZeros(mantissa) && e == 0 && !negativeExponent, "zero: " + where());
    } else {
        ZAV_FUZZ_CHECK(minus == (value < 0), "sign: " + where());
        ZAV_FUZZ_CHECK(mantissa[0] != '0', "leading digit not zero: " + where());
        ZAV_FUZZ_CHECK(e >= -324 && e <= 308, "exponent within a double's range: " + where());
    }
    return e;
}

/// Fixed notation with exactly `decimals` decimals and at most `precision` significant digits, or
/// the exponent form when the rounded value has more than `precision` integer digits.
inline void checkFixedShape(const std::string& text, double value, int precision, int decimals, char sep,
                            const char* what) {
    if (text.find('E') != std::string::npos) {
        const int e = checkExponentShape(text, value, precision, sep, what);
        ZAV_FUZZ_CHECK(e + 1 > precision, std::string(what) + " '" + text + "' in the exponent form with " +
                                              std::to_string(e + 1) + " integer digits, P" +
                                              std::to_string(precision) + " of " + describe(value));
        return;
    }
    const auto where = [&] {
        return std::string(std::string(what) + " '" + escaped(text) + "' of " + describe(value) + " P" +
                           std::to_string(precision) + " D" + std::to_string(decimals));
    };
    Cursor c{text};
    const bool minus = c.take('-');
    const std::string integer = c.digits();
    ZAV_FUZZ_CHECK(!integer.empty(), "integer digits: " + where());
    ZAV_FUZZ_CHECK(integer.size() == 1 || integer[0] != '0', "no leading zeros: " + where());
    ZAV_FUZZ_CHECK(integer.size() <= static_cast<std::size_t>(precision),
                   "integer digits within P: " + where());
    std::string fraction;
    if (decimals > 0) {
        ZAV_FUZZ_CHECK(c.take(sep), "separator: " + where());
        fraction = c.digits();
        ZAV_FUZZ_CHECK(fraction.size() == static_cast<std::size_t>(decimals), "decimal count: " + where());
    }
    ZAV_FUZZ_CHECK(c.done(), "nothing after the digits: " + where());
    std::string all = integer + fraction;
    const bool zero = allZeros(all);
    ZAV_FUZZ_CHECK(minus == (value < 0 && !zero), "sign: " + where());
    if (!zero) {
        all.erase(0, all.find_first_not_of('0'));
        all.erase(all.find_last_not_of('0') + 1);
        ZAV_FUZZ_CHECK(all.size() <= static_cast<std::size_t>(precision),
                       "significant digits within P: " + where());
    }
}

/// "0", or at most 15 significant digits without trailing zeros: fixed for decimal exponents -5
/// to 14, else d,ddE±x without padding or '+'.
inline void checkGeneralShape(const std::string& text, double value, char sep) {
    const auto where = [&] {
        return std::string("formatGeneral '" + escaped(text) + "' of " + describe(value));
    };
    if (value == 0) {
        ZAV_FUZZ_CHECK(text == "0", where());
        return;
    }
    Cursor c{text};
    ZAV_FUZZ_CHECK(c.take('-') == (value < 0), "sign: " + where());
    const std::string integer = c.digits();
    std::string fraction;
    if (c.take(sep)) {
        fraction = c.digits();
        ZAV_FUZZ_CHECK(!fraction.empty() && fraction.back() != '0',
                       "fraction without trailing zeros: " + where());
    }
    ZAV_FUZZ_CHECK(!integer.empty() && (integer.size() == 1 || integer[0] != '0'),
                   "integer digits: " + where());
    int significant = 0;
    if (c.take('E')) {
        const bool negative = c.take('-');
        const std::string exponent = c.digits();
        ZAV_FUZZ_CHECK(c.done() && !exponent.empty() && (exponent.size() == 1 || exponent[0] != '0'),
                       "exponent: " + where());
        const int e = (negative ? -1 : 1) * std::atoi(exponent.c_str());
        ZAV_FUZZ_CHECK(integer.size() == 1 && integer[0] != '0', "one leading digit: " + where());
        ZAV_FUZZ_CHECK(e < -5 || e >= 15, "exponent form only outside -5..14: " + where());
        ZAV_FUZZ_CHECK(e >= -324 && e <= 308, "exponent within a double's range: " + where());
        significant = static_cast<int>(1 + fraction.size());
    } else {
        ZAV_FUZZ_CHECK(c.done(), "nothing after the digits: " + where());
        if (integer == "0") {
            const std::size_t firstNonZero = fraction.find_first_not_of('0');
            ZAV_FUZZ_CHECK(firstNonZero != std::string::npos && firstNonZero <= 4,
                           "exponent at least -5: " + where());
            significant = static_cast<int>(fraction.size() - firstNonZero);
        } else {
            ZAV_FUZZ_CHECK(integer.size() <= 15, "exponent at most 14: " + where());
            std::string all = integer + fraction;
            all.erase(all.find_last_not_of('0') + 1);
            significant = static_cast<int>(all.size());
        }
    }
    ZAV_FUZZ_CHECK(significant >= 1 && significant <= 15, "at most 15 significant digits: " + where());
}

/// "#,##0.#########": digits grouped by three, at most maxDecimals decimals without trailing
/// zeros; values of 22 or more integer digits in the exponent form with 22 digits.
inline void checkGroupedShape(const std::string& text, double value, int maxDecimals,
                              const std::string& group, char sep) {
    if (text.find('E') != std::string::npos) {
        const int e = checkExponentShape(text, value, 22, sep, "formatGrouped");
        ZAV_FUZZ_CHECK(e + 1 > 22, "formatGrouped '" + text + "' in the exponent form of " + describe(value));
        return;
    }
    const auto where = [&] {
        return std::string("formatGrouped '" + escaped(text) + "' of " + describe(value) + " D" +
                           std::to_string(maxDecimals));
    };
    Cursor c{text};
    const bool minus = c.take('-');
    std::string integer = c.digits();
    ZAV_FUZZ_CHECK(!integer.empty() && integer.size() <= 3 && (integer.size() == 1 || integer[0] != '0'),
                   "first group: " + where());
    while (c.text.compare(c.at, group.size(), group) == 0) {
        c.at += group.size();
        const std::string next = c.digits();
        ZAV_FUZZ_CHECK(next.size() == 3 && integer != "0", "group of three: " + where());
        integer += next;
    }
    std::string fraction;
    if (c.take(sep)) {
        fraction = c.digits();
        ZAV_FUZZ_CHECK(!fraction.empty() && fraction.size() <= static_cast<std::size_t>(maxDecimals) &&
                           fraction.back() != '0',
                       "decimals: " + where());
    }
    ZAV_FUZZ_CHECK(c.done(), "nothing after the digits: " + where());
    const bool zero = allZeros(integer + fraction);
    ZAV_FUZZ_CHECK(minus == (value < 0 && !zero), "sign: " + where());
    ZAV_FUZZ_CHECK(integer.size() <= 22, "at most 22 integer digits: " + where());
}

// ---------------------------------------------------------------------------------------------
// Round trips.

/// A text made from a finite value must be read back by parseNumber (a text beyond the range of a
/// double only when ZAV_FUZZ_EXPECT_MAX_ROUNDTRIP is on); returns the value read, if any.
inline std::optional<double> checkReadsBack(const std::string& text, double value, char sep,
                                            const char* what) {
    const std::optional<double> read = parseOrNothing(text, sep);
    const bool beyond = beyondDoubleRange(text, sep);
    if (!beyond || ZAV_FUZZ_EXPECT_MAX_ROUNDTRIP) {
        ZAV_FUZZ_CHECK(read.has_value() && std::isfinite(*read),
                       std::string("parseNumber refuses ") + what + " '" + escaped(text) + "' of " +
                           describe(value) + (beyond ? " (the text lies beyond the largest double)" : ""));
    }
    return read;
}

/// parseNumber(formatExponent(v, 17)) == v; texts of at most 15 digits come back unchanged.
inline void checkRoundTrips(double value, char sep) {
    const std::string seventeen = formatExponent(value, 17, sep);
    const std::optional<double> back = checkReadsBack(seventeen, value, sep, "formatExponent(v, 17)");
    if (back) {
        ZAV_FUZZ_CHECK(*back == value, "formatExponent(v, 17) '" + seventeen + "' reads back as " +
                                           describe(*back) + " instead of " + describe(value));
    }
    const std::string general = formatGeneral(value, sep);
    if (const std::optional<double> g = checkReadsBack(general, value, sep, "formatGeneral")) {
        ZAV_FUZZ_CHECK(formatGeneral(*g, sep) == general, "formatGeneral '" + general +
                                                              "' read back formats as '" +
                                                              formatGeneral(*g, sep) + "'");
    }
}

} // namespace zav::fuzz
