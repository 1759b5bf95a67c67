// SPDX-License-Identifier: GPL-3.0-or-later
// A slow reference of the number formats, shared by their unit test and the fuzz targets: every
// text written anew from the exact decimal value of the double, rounded half away from zero, using
// nothing of the code under test.
#pragma once

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace zav::test {

/// Significant digits of |value| and the decimal exponent of the first one.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

/// The first significant digits of the exact decimal value of a double, cut off without rounding.
/// Rounding half away from zero to k digits needs only the first k + 1 of them; glibc's printf
/// writes the exact value rounded in the current rounding mode, so toward zero it cuts.
class ExactValue {
  public:
    explicit ExactValue(double value) {
        if (!std::isfinite(value))
            return;
        char buffer[64];
        const int mode = std::fegetround();
        std::fesetround(FE_TOWARDZERO);
        const int n = std::snprintf(buffer, sizeof buffer, "%.*e", kDigits - 1, std::fabs(value));
        std::fesetround(mode);
        const std::string text(buffer, static_cast<std::size_t>(n));
        const std::size_t e = text.find('e');
        m_cut.digits = text.substr(0, 1) + text.substr(2, e - 2);
        m_cut.exponent = std::atoi(text.c_str() + e + 1);
    }

    int exponent() const { return m_cut.exponent; }

    /// The first `keep` digits rounded half away from zero; keep 0 rounds above the first digit,
    /// keep < 0 gives no digits (zero).
    Decimal rounded(int keep) const {
        Decimal r;
        r.exponent = m_cut.exponent;
        if (keep < 0)
            return r;
        const auto at = static_cast<std::size_t>(keep);
        const bool up = at < m_cut.digits.size() && m_cut.digits[at] >= '5';
        r.digits = m_cut.digits.substr(0, at);
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

    /// The first `keep` digits, the rest dropped (toward zero).
    Decimal truncated(int keep) const {
        return Decimal{m_cut.digits.substr(0, static_cast<std::size_t>(std::max(keep, 0))), m_cut.exponent};
    }

  private:
    static constexpr int kDigits = 24; // the longest format (22 digits) and more

    Decimal m_cut;
};

inline std::string nonFiniteText(double value) {
    return std::isnan(value) ? "NAN" : value < 0 ? "-INF" : "INF";
}

/// Near the largest double, rounding up can give a text beyond the range of a double, which no
/// parser reads back: the formats round such a value toward zero instead, to the same number of
/// digits. `withinRange` false gives the plain rounding (what the formats did before that rule).
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

/// d,ddd…E±dddd: `precision` digits, the exponent's sign always, its digits at least four.
inline std::string referenceExponent(double value, const ExactValue& exact, int precision, char sep = ',',
                                     bool withinRange = true) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
    Decimal r = roundForText(exact, precision, withinRange);
    if (value == 0)
        r = Decimal{std::string(static_cast<std::size_t>(precision), '0'), 0};
    std::string text = value < 0 ? "-" : "";
    text.push_back(r.digits[0]);
    if (precision > 1) {
        text.push_back(sep);
        text += r.digits.substr(1);
    }
    std::string e = std::to_string(std::abs(r.exponent));
    e.insert(0, e.size() < 4 ? 4 - e.size() : 0, '0');
    return text + 'E' + (r.exponent < 0 ? '-' : '+') + e;
}

/// Exactly `decimals` decimals and at most `precision` significant digits; the exponent form when
/// the value rounded to `precision` digits has more integer digits than that. No sign on zero.
inline std::string referenceFixed(double value, const ExactValue& exact, int precision, int decimals,
                                  char sep = ',', bool withinRange = true) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
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

/// "0", or at most 15 significant digits without trailing zeros: fixed for decimal exponents -5
/// to 14, else d,ddE±x without padding or '+'.
inline std::string referenceGeneral(double value, const ExactValue& exact, char sep = ',',
                                    bool withinRange = true) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
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

/// "#,##0.#########": at most 22 significant digits and `maxDecimals` decimals, trailing zeros
/// dropped, the integer digits grouped by three with `group`.
inline std::string referenceGrouped(double value, const ExactValue& exact, int maxDecimals,
                                    const std::string& group, char sep = ',', bool withinRange = true) {
    const std::string fixed = referenceFixed(value, exact, 22, maxDecimals, sep, withinRange);
    if (!std::isfinite(value) || fixed.find('E') != std::string::npos)
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
    const std::string digits = negative ? integer.substr(1) : integer;
    std::string grouped;
    for (std::size_t k = 0; k < digits.size(); ++k) {
        if (k > 0 && (digits.size() - k) % 3 == 0)
            grouped += group;
        grouped.push_back(digits[k]);
    }
    return (negative ? "-" : "") + grouped + (fraction.empty() ? "" : std::string(1, sep) + fraction);
}

} // namespace zav::test
