// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the number texts for the fuzz targets: the shape of every format, a slow reference of
// the rounding on the exact decimal value of the double, an independent reading of field texts,
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
// The exact decimal value of a double and the documented rounding (half away from zero).

struct Decimal {
    std::string digits; // significant digits of |value|, the first non-zero unless the value is zero
    int exponent = 0;   // of the first digit
};

/// |value| printed by glibc with `significant` digits (correctly rounded; exact when there are
/// enough of them: a double has at most 767 significant digits).
inline Decimal printDecimal(double value, int significant) {
    static char buffer[1024];
    const int n = std::snprintf(buffer, sizeof buffer, "%.*e", significant - 1, std::fabs(value));
    const std::string text(buffer, static_cast<std::size_t>(n));
    const std::size_t e = text.find('e');
    Decimal d;
    d.digits = text.substr(0, 1) + text.substr(2, e - 2);
    d.exponent = std::atoi(text.c_str() + e + 1);
    return d;
}

/// The decimal value of a double for the reference rounding: 40 correctly rounded digits, which
/// decide every rounding to 22 digits or fewer except when the digits from the rounding position
/// on read "5000…": then the exact expansion (800 digits) decides.
class ExactValue {
  public:
    explicit ExactValue(double value) : m_value(value), m_probe(printDecimal(value, kProbe)) {}

    int exponent() const { return m_probe.exponent; }

    /// The first `keep` digits rounded half away from zero; keep 0 rounds above the first digit,
    /// keep < 0 gives zero (no digits).
    Decimal rounded(int keep) const {
        if (keep >= 0 && keep < kProbe && m_probe.digits[static_cast<std::size_t>(keep)] == '5' &&
            m_probe.digits.find_first_not_of('0', static_cast<std::size_t>(keep) + 1) == std::string::npos)
            return roundDigits(full(), keep);
        return roundDigits(m_probe, keep);
    }

    /// The first `keep` digits, the rest dropped (toward zero).
    Decimal truncated(int keep) const {
        const Decimal& x = full();
        return Decimal{x.digits.substr(0, static_cast<std::size_t>(keep)), x.exponent};
    }

  private:
    static constexpr int kProbe = 40;

    const Decimal& full() const {
        if (m_full.digits.empty())
            m_full = printDecimal(m_value, 800);
        return m_full;
    }

    static Decimal roundDigits(const Decimal& x, int keep) {
        Decimal r;
        r.exponent = x.exponent;
        if (keep < 0)
            return r;
        const bool up = static_cast<std::size_t>(keep) < x.digits.size() &&
                        x.digits[static_cast<std::size_t>(keep)] >= '5';
        r.digits = x.digits.substr(0, static_cast<std::size_t>(keep));
        if (up) {
            int k = keep - 1;
            while (k >= 0 && r.digits[static_cast<std::size_t>(k)] == '9')
                r.digits[static_cast<std::size_t>(k--)] = '0';
            if (k >= 0) {
                ++r.digits[static_cast<std::size_t>(k)];
            } else {
                r.digits.insert(r.digits.begin(), '1');
                if (keep > 0)
                    r.digits.pop_back();
                ++r.exponent;
            }
        }
        return r;
    }

    double m_value;
    Decimal m_probe;
    mutable Decimal m_full;
};

/// Near the largest double, rounding up can give a text beyond the range of a double, which no
/// parser reads back: such a value is rounded toward zero instead, to the same number of digits.
/// `withinRange` false gives the plain rounding (what the formats did before that rule).
inline Decimal roundForText(const ExactValue& x, int keep, bool withinRange) {
    const Decimal r = x.rounded(keep);
    if (!withinRange || r.digits.empty() || r.exponent < 308)
        return r;
    const std::string text =
        r.digits.substr(0, 1) + "." + r.digits.substr(1) + "e" + std::to_string(r.exponent);
    if (!std::isinf(std::strtod(text.c_str(), nullptr)))
        return r;
    return x.truncated(keep);
}

inline std::string exponentDigits(int exponent) {
    std::string e = std::to_string(std::abs(exponent));
    if (e.size() < 4)
        e.insert(0, 4 - e.size(), '0');
    return std::string(1, exponent < 0 ? '-' : '+') + e;
}

inline std::string referenceExponent(double value, const ExactValue& exact, int precision, char sep,
                                     bool withinRange = true) {
    Decimal r = roundForText(exact, precision, withinRange);
    if (value == 0)
        r = Decimal{std::string(static_cast<std::size_t>(precision), '0'), 0};
    std::string text = value < 0 ? "-" : "";
    text.push_back(r.digits[0]);
    if (precision > 1) {
        text.push_back(sep);
        text += r.digits.substr(1);
    }
    return text + 'E' + exponentDigits(r.exponent);
}

inline std::string referenceFixed(double value, const ExactValue& exact, int precision, int decimals,
                                  char sep, bool withinRange = true) {
    // The switch to the exponent form looks at the value rounded to `precision` digits.
    if (value != 0 && exact.rounded(precision).exponent + 1 > precision)
        return referenceExponent(value, exact, precision, sep, withinRange);
    const Decimal r =
        value == 0 ? Decimal{} : exact.rounded(std::min(precision, exact.exponent() + 1 + decimals));
    auto digitAt = [&r](int position) {
        const int index = r.exponent - position;
        return index >= 0 && index < static_cast<int>(r.digits.size())
                   ? r.digits[static_cast<std::size_t>(index)]
                   : '0';
    };
    std::string body;
    for (int p = r.digits.empty() ? 0 : std::max(r.exponent, 0); p >= 0; --p)
        body.push_back(digitAt(p));
    if (decimals > 0)
        body.push_back(sep);
    for (int p = -1; p >= -decimals; --p)
        body.push_back(digitAt(p));
    const bool zero = body.find_first_of("123456789") == std::string::npos;
    return (value < 0 && !zero ? "-" : "") + body;
}

inline std::string referenceGeneral(double value, const ExactValue& exact, char sep,
                                    bool withinRange = true) {
    if (value == 0)
        return "0";
    Decimal r = roundForText(exact, 15, withinRange);
    r.digits.erase(r.digits.find_last_not_of('0') + 1);
    std::string text = value < 0 ? "-" : "";
    const int e = r.exponent;
    const int n = static_cast<int>(r.digits.size());
    if (e < -5 || e >= 15) {
        text.push_back(r.digits[0]);
        if (n > 1)
            text += std::string(1, sep) + r.digits.substr(1);
        return text + "E" + std::to_string(e);
    }
    if (e < 0)
        return text + "0" + sep + std::string(static_cast<std::size_t>(-e - 1), '0') + r.digits;
    for (int p = 0; p <= e; ++p)
        text.push_back(p < n ? r.digits[static_cast<std::size_t>(p)] : '0');
    if (n > e + 1)
        text += std::string(1, sep) + r.digits.substr(static_cast<std::size_t>(e + 1));
    return text;
}

inline std::string referenceGrouped(double value, const ExactValue& exact, int maxDecimals,
                                    const std::string& group, char sep, bool withinRange = true) {
    std::string fixed = referenceFixed(value, exact, 22, maxDecimals, sep, withinRange);
    if (fixed.find('E') != std::string::npos)
        return fixed;
    std::string integer = fixed;
    std::string fraction;
    const std::size_t at = fixed.find(sep);
    if (at != std::string::npos) {
        integer = fixed.substr(0, at);
        fraction = fixed.substr(at + 1);
        fraction.erase(fraction.find_last_not_of('0') + 1);
    }
    const bool negative = integer[0] == '-';
    std::string digits = negative ? integer.substr(1) : integer;
    std::string grouped;
    for (std::size_t k = 0; k < digits.size(); ++k) {
        if (k > 0 && (digits.size() - k) % 3 == 0)
            grouped += group;
        grouped.push_back(digits[k]);
    }
    return (negative ? "-" : "") + grouped + (fraction.empty() ? "" : std::string(1, sep) + fraction);
}

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
