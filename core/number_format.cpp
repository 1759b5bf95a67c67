// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <cerrno>
#include <clocale>
#include <locale.h>

namespace zav {

ConversionError::ConversionError(const std::string& fieldText)
    : std::runtime_error("'" + fieldText + "' nie je platné číslo.") {}

namespace {

// Numbers with a decimal point whatever the program's locale says.
locale_t cLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Magnitude of a finite double as decimal digits d0 d1 d2 ... with value d0.d1d2... x 10^exponent.
struct Digits {
    std::string digits;
    int exponent = 0;
    bool zero = true;
};

// Decimal digits of |value| as printed with `significant` digits (std::to_chars rounds them
// correctly from the exact binary value).
Digits printDigits(double value, int significant) {
    static thread_local std::string buffer;
    buffer.resize(static_cast<std::size_t>(significant) + 16);
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                            std::chars_format::scientific, significant - 1);
    const char* const text = buffer.data();
    const int n = error == std::errc() ? static_cast<int>(end - text) : 0;
    Digits d;
    d.zero = false;
    d.digits.reserve(static_cast<std::size_t>(significant));
    int i = 0;
    for (; i < n && text[i] != 'e'; ++i) {
        if (isDigit(text[i]))
            d.digits.push_back(text[i]);
    }
    if (i + 1 < n) {
        const char* exponent = text + i + 1;
        if (*exponent == '+')
            ++exponent;
        std::from_chars(exponent, text + n, d.exponent);
    }
    return d;
}

// Compares digits[from..] with the halfway pattern "5000...": -1 below, 0 equal, +1 above.
int compareWithHalf(const std::string& digits, int from) {
    if (from >= static_cast<int>(digits.size()))
        return -1;
    char first = digits[static_cast<std::size_t>(from)];
    if (first != '5')
        return first < '5' ? -1 : 1;
    for (std::size_t k = static_cast<std::size_t>(from) + 1; k < digits.size(); ++k) {
        if (digits[k] != '0')
            return 1;
    }
    return 0;
}

// A double's exact decimal expansion never has more than 767 significant digits.
constexpr int kExactDigits = 800;
// Enough digits that only an apparent exact half needs the exact expansion.
constexpr int kProbeDigits = 24;

// |value| rounded half away from zero to `keep` significant digits, counted from the leading digit of
// `probe` (the value printed with kProbeDigits digits). keep <= 0 rounds above the leading digit.
Digits roundSignificant(double value, const Digits& probe, int keep) {
    Digits result;
    if (probe.zero || keep < 0)
        return result;
    int cmp = compareWithHalf(probe.digits, keep);
    if (cmp == 0 && keep < kProbeDigits) {
        // The probe may itself have been rounded onto the halfway point: decide on the exact value.
        cmp = compareWithHalf(printDigits(value, kExactDigits).digits, keep);
    }
    bool up = cmp >= 0 && keep < kProbeDigits;
    result.digits = probe.digits.substr(0, static_cast<std::size_t>(std::min(keep, kProbeDigits)));
    result.exponent = probe.exponent;
    if (up) {
        int k = static_cast<int>(result.digits.size()) - 1;
        while (k >= 0 && result.digits[static_cast<std::size_t>(k)] == '9') {
            result.digits[static_cast<std::size_t>(k)] = '0';
            --k;
        }
        if (k >= 0) {
            ++result.digits[static_cast<std::size_t>(k)];
        } else {
            // Carry past the leading digit: 9.99 -> 10.0, or (keep == 0) 0.5 x 10^(e+1) -> 10^(e+1).
            result.digits.insert(result.digits.begin(), '1');
            if (keep > 0)
                result.digits.pop_back();
            ++result.exponent;
        }
    }
    result.zero = result.digits.empty() ||
                  std::all_of(result.digits.begin(), result.digits.end(), [](char c) { return c == '0'; });
    return result;
}

// Near the largest double, rounding up can give a text beyond the range of a double, which no
// parser reads back: such a value is rounded toward zero instead, to the same number of digits.
Digits withinDoubleRange(const Digits& probe, const Digits& rounded, int keep) {
    if (rounded.zero || rounded.exponent < 308)
        return rounded;
    std::string text = rounded.digits.substr(0, 1) + "." + rounded.digits.substr(1) + "e" +
                       std::to_string(rounded.exponent);
    if (std::isfinite(strtod_l(text.c_str(), nullptr, cLocale())))
        return rounded;
    Digits truncated = probe;
    truncated.digits.resize(static_cast<std::size_t>(keep), '0');
    return truncated;
}

Digits probeDigits(double value) {
    if (value == 0.0)
        return Digits{};
    return printDigits(value, kProbeDigits);
}

const char* nonFiniteText(double value) {
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

int clampPrecision(int precision) { return std::clamp(precision, 1, kProbeDigits - 2); }

// The common case without the exact expansion: |value| rounded correctly to keep + 3 significant
// digits by std::to_chars decides the rounding to `keep` digits, unless those three digits read
// "500", where the value may lie on either side of the half (or on it) and only the exact
// expansion can tell.
struct ShortDigits {
    char digits[32]; // the first `keep` digits, rounded half away from zero
    int exponent;    // of the first digit
};

bool roundShort(double value, int keep, ShortDigits& out) {
    char buffer[48];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                            std::chars_format::scientific, keep + 2);
    if (error != std::errc() || keep < 1 || keep + 3 > 30)
        return false;
    char digits[32];
    digits[0] = buffer[0];
    std::memcpy(digits + 1, buffer + 2, static_cast<std::size_t>(keep + 2));
    const char* exponent = buffer + keep + 5; // after "d.", keep + 2 digits and 'e'
    if (*exponent == '+')
        ++exponent;
    int e = 0;
    std::from_chars(exponent, end, e);
    bool up = digits[keep] > '5';
    if (digits[keep] == '5') {
        if (digits[keep + 1] == '0' && digits[keep + 2] == '0')
            return false;
        up = true;
    }
    if (up) {
        int k = keep - 1;
        while (k >= 0 && digits[k] == '9')
            digits[k--] = '0';
        if (k >= 0) {
            ++digits[k];
        } else {
            digits[0] = '1';
            ++e;
        }
    }
    std::memcpy(out.digits, digits, static_cast<std::size_t>(keep));
    out.exponent = e;
    return true;
}

// Writes the exponent form of `digits` (exactly `precision` of them, value d,ddd·10^exponent) to
// `out`; returns the end.
char* writeExponentForm(char* out, bool negative, const char* digits, int precision, int exponent,
                        char decimalSeparator) {
    if (negative)
        *out++ = '-';
    *out++ = digits[0];
    if (precision > 1) {
        *out++ = decimalSeparator;
        std::memcpy(out, digits + 1, static_cast<std::size_t>(precision - 1));
        out += precision - 1;
    }
    *out++ = 'E';
    *out++ = exponent < 0 ? '-' : '+';
    const int e = std::abs(exponent);
    if (e >= 10000) {
        const auto [end, error] = std::to_chars(out, out + 8, e);
        return error == std::errc() ? end : out;
    }
    out[0] = static_cast<char>('0' + e / 1000);
    out[1] = static_cast<char>('0' + e / 100 % 10);
    out[2] = static_cast<char>('0' + e / 10 % 10);
    out[3] = static_cast<char>('0' + e % 10);
    return out + 4;
}

char* fastExponent(double value, int precision, char decimalSeparator, char* out) {
    ShortDigits rounded;
    if (value == 0.0 || !roundShort(value, precision, rounded))
        return nullptr;
    return writeExponentForm(out, value < 0, rounded.digits, precision, rounded.exponent, decimalSeparator);
}

// Exact integer arithmetic for the fixed and the exponent form: a double is m·2^e with m < 2^53,
// so |value|·10^d with |d| ≤ 22 is an integer numerator over a power of two (or a power of ten)
// that fits in 128 bits whenever the value is not far from 10^-d. Rounding half away from zero is
// then a look at one bit (or at the remainder).
__extension__ typedef unsigned __int128 Wide;

constexpr int kWideDecimals = 22;

// 10^0 to 10^38, the largest power of ten below 2^128.
constexpr int kWidePowerCount = 39;
struct WidePowers {
    Wide p[kWidePowerCount];
    constexpr WidePowers() : p() {
        p[0] = 1;
        for (int i = 1; i < kWidePowerCount; ++i)
            p[i] = p[i - 1] * 10;
    }
};
constexpr WidePowers kWidePowers;

Wide widePower10(int n) { return kWidePowers.p[n]; }

// "00" to "99": two digits at a time.
struct DigitPairs {
    char p[200];
    constexpr DigitPairs() : p() {
        for (int i = 0; i < 100; ++i) {
            p[2 * i] = static_cast<char>('0' + i / 10);
            p[2 * i + 1] = static_cast<char>('0' + i % 10);
        }
    }
};
constexpr DigitPairs kDigitPairs;

// Writes exactly `count` low digits of q backwards from `end`, returns the start, and leaves the
// rest of q in it.
char* writeLowDigits(char* end, std::uint64_t& q, int count) {
    char* at = end;
    for (; count >= 2; count -= 2) {
        const std::uint64_t pair = q % 100;
        q /= 100;
        at -= 2;
        std::memcpy(at, kDigitPairs.p + 2 * pair, 2);
    }
    if (count == 1) {
        *--at = static_cast<char>('0' + q % 10);
        q /= 10;
    }
    return at;
}

// Writes every digit of q (one at least) backwards from `end` and returns the start.
char* writeAllDigits(char* end, std::uint64_t q) {
    char* at = end;
    while (q >= 100) {
        const std::uint64_t pair = q % 100;
        q /= 100;
        at -= 2;
        std::memcpy(at, kDigitPairs.p + 2 * pair, 2);
    }
    if (q >= 10) {
        at -= 2;
        std::memcpy(at, kDigitPairs.p + 2 * q, 2);
    } else {
        *--at = static_cast<char>('0' + q);
    }
    return at;
}

char* writeAllDigits(char* end, Wide q) {
    while (q >> 64 != 0) {
        *--end = static_cast<char>('0' + static_cast<int>(q % 10));
        q /= 10;
    }
    return writeAllDigits(end, static_cast<std::uint64_t>(q));
}

int wideDigitCount(Wide q) {
    if (q >> 64 == 0) {
        // floor(log10(q)) from the bit length (1233/4096 is just above log10 2), corrected once.
        const auto small = static_cast<std::uint64_t>(q);
        if (small == 0)
            return 1;
        const int log2 = 63 - __builtin_clzll(small);
        const int estimate = (log2 + 1) * 1233 >> 12;
        return estimate + (small >= static_cast<std::uint64_t>(widePower10(estimate)) ? 1 : 0);
    }
    int n = 20;
    for (Wide p = widePower10(20); n < 39 && q >= p; p *= 10)
        ++n;
    return n;
}

// floor(|value|·10^shift) and that value rounded half away from zero; false when it does not fit.
// A negative shift divides: exactly, by an integer power of ten (and of two for a fraction).
bool scaleExactly(double magnitude, int shift, Wide& truncated, Wide& rounded) {
    if (shift < -kWideDecimals || shift > kWideDecimals)
        return false;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int biased = static_cast<int>(bits >> 52) & 0x7FF;
    std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
    int e = -1074; // subnormal
    if (biased != 0) {
        m |= std::uint64_t{1} << 52;
        e = biased - 1075;
    }
    if (m == 0)
        return false;
    const int zeros = __builtin_ctzll(m);
    m >>= zeros;
    e += zeros;
    if (shift < 0) {
        // m·2^e / 10^k, rounded on the remainder.
        const Wide power = widePower10(-shift);
        Wide numerator = m;
        Wide denominator = power;
        if (e >= 0) {
            if (e >= 127 - 53)
                return false;
            numerator <<= e;
        } else {
            if (-e > 127 - 74)
                return false;
            denominator <<= -e;
        }
        if (numerator >> 64 == 0 && denominator >> 64 == 0) {
            const auto n = static_cast<std::uint64_t>(numerator);
            const auto d = static_cast<std::uint64_t>(denominator);
            truncated = n / d;
            rounded = truncated + (n % d >= d - n % d ? 1 : 0);
        } else {
            truncated = numerator / denominator;
            const Wide remainder = numerator % denominator;
            rounded = truncated + (remainder >= denominator - remainder ? 1 : 0);
        }
        return true;
    }
    Wide numerator = static_cast<Wide>(m) * widePower10(shift); // < 2^53 · 10^22 < 2^127
    if (e >= 0) {
        if (e >= 127 || numerator >> (127 - e) != 0)
            return false;
        truncated = rounded = numerator << e;
        return true;
    }
    const int s = -e;
    if (s >= 127)
        return false;
    truncated = numerator >> s;
    rounded = truncated + ((numerator >> (s - 1)) & 1);
    return true;
}

// The exponent form in exact integer arithmetic, for decimal exponents within 22 of the precision
// (every value a table holds but the smallest and the largest); nullptr outside.
char* exactExponent(double value, int precision, char decimalSeparator, char* out) {
    const double magnitude = std::fabs(value);
    std::uint64_t bits = 0;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int biased = static_cast<int>(bits >> 52);
    if (biased == 0)
        return nullptr; // zero or subnormal
    // floor(log10(2^(biased - 1023))) is the decimal exponent or one below it; the powers of ten
    // as doubles mostly tell which, and the exact digits correct what they get wrong.
    static constexpr int kLowestPower = -32;
    static constexpr double kPowers[] = {
        1e-32, 1e-31, 1e-30, 1e-29, 1e-28, 1e-27, 1e-26, 1e-25, 1e-24, 1e-23, 1e-22, 1e-21, 1e-20,
        1e-19, 1e-18, 1e-17, 1e-16, 1e-15, 1e-14, 1e-13, 1e-12, 1e-11, 1e-10, 1e-9,  1e-8,  1e-7,
        1e-6,  1e-5,  1e-4,  1e-3,  1e-2,  1e-1,  1e0,   1e1,   1e2,   1e3,   1e4,   1e5,   1e6,
        1e7,   1e8,   1e9,   1e10,  1e11,  1e12,  1e13,  1e14,  1e15,  1e16,  1e17,  1e18,  1e19,
        1e20,  1e21,  1e22,  1e23,  1e24,  1e25,  1e26,  1e27,  1e28,  1e29,  1e30,  1e31,  1e32};
    int exponent = static_cast<int>(std::floor((biased - 1023) * 0.30102999566398120));
    const int next = exponent + 1 - kLowestPower;
    if (next >= 0 && next < static_cast<int>(sizeof kPowers / sizeof kPowers[0]) && magnitude >= kPowers[next])
        ++exponent;
    Wide truncated = 0;
    Wide rounded = 0;
    if (!scaleExactly(magnitude, precision - 1 - exponent, truncated, rounded))
        return nullptr;
    if (truncated >= widePower10(precision) || truncated < widePower10(precision - 1)) {
        exponent += truncated >= widePower10(precision) ? 1 : -1;
        if (!scaleExactly(magnitude, precision - 1 - exponent, truncated, rounded))
            return nullptr;
        if (truncated >= widePower10(precision) || truncated < widePower10(precision - 1))
            return nullptr; // not expected
    }
    if (rounded == widePower10(precision)) {
        rounded = widePower10(precision - 1);
        ++exponent;
    }
    char digits[32];
    writeAllDigits(digits + precision, rounded); // exactly `precision` of them
    return writeExponentForm(out, value < 0, digits, precision, exponent, decimalSeparator);
}

// The fixed form of value in exact integer arithmetic, written to `out`; nullptr when it needs the
// exponent form or more than 22 decimals, or does not fit.
char* fastFixed(double value, int precision, int decimals, char decimalSeparator, char* out) {
    if (value == 0.0) {
        // "0,000", without a sign for -0 either.
        *out++ = '0';
        if (decimals > 0) {
            *out++ = decimalSeparator;
            std::memset(out, '0', static_cast<std::size_t>(decimals));
            out += decimals;
        }
        return out;
    }
    const double magnitude = std::fabs(value);
    Wide truncated = 0;
    Wide rounded = 0;
    if (!scaleExactly(magnitude, decimals, truncated, rounded) || truncated == 0)
        return nullptr;
    // The value's significant digits down to 10^-decimals: more than the precision allows means
    // rounding at the precision's last digit instead.
    int shift = decimals;
    if (truncated >= widePower10(precision)) {
        shift = decimals - (wideDigitCount(truncated) - precision);
        if (shift < 0)
            return nullptr; // more integer digits than the precision: the exponent form
        if (!scaleExactly(magnitude, shift, truncated, rounded))
            return nullptr;
    }
    // Rounded to the precision, the integer part outgrew it: the exponent form.
    if (precision + shift < kWidePowerCount && rounded >= widePower10(precision + shift))
        return nullptr;
    // rounded·10^-shift with `decimals` decimals, written backwards from its end: the zeros below
    // the precision, the fraction's digits of `rounded`, the separator, its integer digits.
    const int integerDigits = std::max(wideDigitCount(rounded) - shift, 1);
    if (value < 0)
        *out++ = '-';
    char* const end = out + integerDigits + (decimals > 0 ? decimals + 1 : 0);
    char* at = end - (decimals - shift);
    std::memset(at, '0', static_cast<std::size_t>(decimals - shift));
    while (rounded >> 64 != 0 && at > end - decimals) {
        *--at = static_cast<char>('0' + static_cast<int>(rounded % 10));
        rounded /= 10;
    }
    if (rounded >> 64 != 0) {
        // Every fraction digit is written; the integer part alone is wide.
        if (decimals > 0)
            *--at = decimalSeparator;
        writeAllDigits(at, rounded);
    } else {
        auto small = static_cast<std::uint64_t>(rounded);
        at = writeLowDigits(at, small, static_cast<int>(at - (end - decimals)));
        if (decimals > 0)
            *--at = decimalSeparator;
        writeAllDigits(at, small);
    }
    return end;
}

} // namespace

char* writeExponent(char* out, double value, int precision, char decimalSeparator) {
    if (!std::isfinite(value)) {
        const char* text = nonFiniteText(value);
        const std::size_t length = std::strlen(text);
        std::memcpy(out, text, length);
        return out + length;
    }
    precision = clampPrecision(precision);
    if (value == 0.0) {
        // "0,0000000E+0000", without a sign for -0 either.
        const char zeros[32] = {'0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0',
                                '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0'};
        return writeExponentForm(out, false, zeros, precision, 0, decimalSeparator);
    }
    if (char* end = exactExponent(value, precision, decimalSeparator, out))
        return end;
    if (std::fabs(value) < 1e308) {
        if (char* end = fastExponent(value, precision, decimalSeparator, out))
            return end;
    }
    const Digits probe = probeDigits(value);
    Digits rounded = withinDoubleRange(probe, roundSignificant(value, probe, precision), precision);
    bool negative = value < 0;
    if (rounded.zero) {
        rounded.digits.assign(static_cast<std::size_t>(precision), '0');
        rounded.exponent = 0;
        negative = false;
    }
    rounded.digits.resize(static_cast<std::size_t>(precision), '0');
    return writeExponentForm(out, negative, rounded.digits.data(), precision, rounded.exponent, decimalSeparator);
}

void appendExponent(std::string& text, double value, int precision, char decimalSeparator) {
    char buffer[kMaxNumberText];
    text.append(buffer, static_cast<std::size_t>(writeExponent(buffer, value, precision, decimalSeparator) - buffer));
}

std::string formatExponent(double value, int precision, char decimalSeparator) {
    char buffer[kMaxNumberText];
    return std::string(buffer, writeExponent(buffer, value, precision, decimalSeparator));
}

// The fixed form through the probed digits (and the exact expansion on an apparent tie): every
// finite value, however large or small, and any number of decimals.
std::string slowFixed(double value, int precision, int decimals, char decimalSeparator) {
    const Digits probe = probeDigits(value);

    // The switch to scientific notation looks at the value rounded to `precision` digits.
    Digits significant = roundSignificant(value, probe, precision);
    if (!significant.zero && significant.exponent + 1 > precision)
        return formatExponent(value, precision, decimalSeparator);

    Digits rounded = roundSignificant(value, probe, std::min(precision, probe.exponent + 1 + decimals));
    std::string text;
    if (!rounded.zero && value < 0)
        text.push_back('-');
    // Digit at decimal position p (10^p) of the rounded value.
    auto digitAt = [&rounded](int p) {
        if (rounded.zero)
            return '0';
        int index = rounded.exponent - p;
        if (index < 0 || index >= static_cast<int>(rounded.digits.size()))
            return '0';
        return rounded.digits[static_cast<std::size_t>(index)];
    };
    int top = rounded.zero ? 0 : std::max(rounded.exponent, 0);
    for (int p = top; p >= 0; --p)
        text.push_back(digitAt(p));
    if (decimals > 0) {
        text.push_back(decimalSeparator);
        for (int p = -1; p >= -decimals; --p)
            text.push_back(digitAt(p));
    }
    return text;
}

char* writeFixed(char* out, double value, int precision, int decimals, char decimalSeparator) {
    precision = clampPrecision(precision);
    decimals = std::clamp(decimals, 0, kWideDecimals);
    if (std::isfinite(value)) {
        if (char* end = fastFixed(value, precision, decimals, decimalSeparator, out))
            return end;
    }
    const std::string text =
        std::isfinite(value) ? slowFixed(value, precision, decimals, decimalSeparator) : nonFiniteText(value);
    std::memcpy(out, text.data(), text.size()); // at most 22 digits, 22 decimals, sign and separator
    return out + text.size();
}

void appendFixed(std::string& text, double value, int precision, int decimals, char decimalSeparator) {
    if (decimals > kWideDecimals) {
        text += formatFixed(value, precision, decimals, decimalSeparator);
        return;
    }
    char buffer[kMaxNumberText];
    text.append(buffer,
                static_cast<std::size_t>(writeFixed(buffer, value, precision, decimals, decimalSeparator) - buffer));
}

std::string formatFixed(double value, int precision, int decimals, char decimalSeparator) {
    if (decimals <= kWideDecimals) {
        char buffer[kMaxNumberText];
        return std::string(buffer, writeFixed(buffer, value, precision, decimals, decimalSeparator));
    }
    return std::isfinite(value) ? slowFixed(value, clampPrecision(precision), decimals, decimalSeparator)
                                : nonFiniteText(value);
}

std::string formatGeneral(double value, char decimalSeparator) {
    return formatSignificant(value, 15, decimalSeparator);
}

std::string formatSignificant(double value, int significantDigits, char decimalSeparator) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
    // The layout of the general format: fixed notation up to its 15 digits.
    constexpr int kGeneralDigits = 15;
    const Digits probe = probeDigits(value);
    Digits rounded =
        withinDoubleRange(probe, roundSignificant(value, probe, significantDigits), significantDigits);
    if (rounded.zero)
        return "0";
    const std::size_t last = rounded.digits.find_last_not_of('0');
    rounded.digits.erase(last + 1);
    std::string text = value < 0 ? "-" : "";
    const int e = rounded.exponent;
    const int count = static_cast<int>(rounded.digits.size());
    if (e < -5 || e >= kGeneralDigits) {
        text.push_back(rounded.digits[0]);
        if (count > 1) {
            text.push_back(decimalSeparator);
            text.append(rounded.digits, 1, std::string::npos);
        }
        return text + 'E' + std::to_string(e);
    }
    if (e < 0) {
        text += '0';
        text.push_back(decimalSeparator);
        text.append(static_cast<std::size_t>(-e - 1), '0');
        return text + rounded.digits;
    }
    for (int p = 0; p <= e; ++p)
        text.push_back(p < count ? rounded.digits[static_cast<std::size_t>(p)] : '0');
    if (count > e + 1) {
        text.push_back(decimalSeparator);
        text.append(rounded.digits, static_cast<std::size_t>(e + 1), std::string::npos);
    }
    return text;
}

std::string formatGrouped(double value, int maxDecimals, const std::string& groupSeparator,
                          char decimalSeparator) {
    std::string fixed = formatFixed(value, kProbeDigits - 2, maxDecimals, decimalSeparator);
    if (!std::isfinite(value) || fixed.find('E') != std::string::npos)
        return fixed;
    const std::size_t separator = fixed.find(decimalSeparator);
    if (separator != std::string::npos) {
        std::size_t end = fixed.find_last_not_of('0');
        if (end == separator)
            --end;
        fixed.erase(end + 1);
    }
    const std::size_t digitsBegin = fixed[0] == '-' ? 1 : 0;
    std::size_t digitsEnd = fixed.find(decimalSeparator);
    if (digitsEnd == std::string::npos)
        digitsEnd = fixed.size();
    for (std::size_t at = digitsEnd; at > digitsBegin + 3; at -= 3)
        fixed.insert(at - 3, groupSeparator);
    return fixed;
}

double parseNumber(const std::string& text, char decimalSeparator) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;

    // Validate the shape and build the same number with a decimal point for from_chars.
    std::string plain;
    std::size_t i = begin;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::size_t mantissaDigits = 0;
    while (i < end && isDigit(text[i])) {
        plain.push_back(text[i++]);
        ++mantissaDigits;
    }
    if (i < end && text[i] == decimalSeparator) {
        plain.push_back('.');
        ++i;
        while (i < end && isDigit(text[i])) {
            plain.push_back(text[i++]);
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        throw ConversionError(text);
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        plain.push_back('e');
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-'))
            plain.push_back(text[i++]);
        std::size_t exponentDigits = 0;
        while (i < end && isDigit(text[i])) {
            plain.push_back(text[i++]);
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            throw ConversionError(text);
    }
    if (i != end)
        throw ConversionError(text);

    // strtod_l with the C locale: the program's own locale must not change what a text means.
    errno = 0;
    char* stop = nullptr;
    double value = strtod_l(plain.c_str(), &stop, cLocale());
    if (stop != plain.c_str() + plain.size())
        throw ConversionError(text);
    // Too small for a double is zero (or a subnormal); too large is not a number.
    if (errno == ERANGE && std::isinf(value))
        throw ConversionError(text);
    return negative ? -value : value;
}

} // namespace zav
