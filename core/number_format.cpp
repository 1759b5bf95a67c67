#include "core/number_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cerrno>
#include <clocale>
#include <locale.h>

namespace zav {

ConversionError::ConversionError(const std::string& fieldText)
    : std::runtime_error("'" + fieldText + "' nie je platné číslo.") {}

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Magnitude of a finite double as decimal digits d0 d1 d2 ... with value d0.d1d2... x 10^exponent.
struct Digits {
    std::string digits;
    int exponent = 0;
    bool zero = true;
};

// Decimal digits of |value| as printed with `significant` digits (glibc prints them correctly
// rounded from the exact binary value).
Digits printDigits(double value, int significant) {
    static thread_local std::string buffer;
    buffer.resize(static_cast<std::size_t>(significant) + 16);
    int n = std::snprintf(buffer.data(), buffer.size(), "%.*e", significant - 1, std::fabs(value));
    Digits d;
    d.zero = false;
    d.digits.reserve(static_cast<std::size_t>(significant));
    int i = 0;
    for (; i < n && buffer[i] != 'e'; ++i) {
        if (isDigit(buffer[i]))
            d.digits.push_back(buffer[i]);
    }
    d.exponent = std::atoi(buffer.c_str() + i + 1);
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

} // namespace

std::string formatExponent(double value, int precision, char decimalSeparator) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
    precision = clampPrecision(precision);
    Digits rounded = roundSignificant(value, probeDigits(value), precision);
    std::string text;
    if (rounded.zero) {
        rounded.digits.assign(static_cast<std::size_t>(precision), '0');
        rounded.exponent = 0;
    } else if (value < 0) {
        text.push_back('-');
    }
    rounded.digits.resize(static_cast<std::size_t>(precision), '0');
    text.push_back(rounded.digits[0]);
    if (precision > 1) {
        text.push_back(decimalSeparator);
        text.append(rounded.digits, 1, std::string::npos);
    }
    text.push_back('E');
    text.push_back(rounded.exponent < 0 ? '-' : '+');
    std::string exponent = std::to_string(std::abs(rounded.exponent));
    if (exponent.size() < 4)
        exponent.insert(0, 4 - exponent.size(), '0');
    text += exponent;
    return text;
}

std::string formatFixed(double value, int precision, int decimals, char decimalSeparator) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
    precision = clampPrecision(precision);
    decimals = std::max(decimals, 0);
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

std::string formatGeneral(double value, char decimalSeparator) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
    constexpr int kGeneralDigits = 15;
    Digits rounded = roundSignificant(value, probeDigits(value), kGeneralDigits);
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
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    errno = 0;
    char* stop = nullptr;
    double value = strtod_l(plain.c_str(), &stop, cLocale);
    if (stop != plain.c_str() + plain.size())
        throw ConversionError(text);
    // Too small for a double is zero (or a subnormal); too large is not a number.
    if (errno == ERANGE && std::isinf(value))
        throw ConversionError(text);
    return negative ? -value : value;
}

} // namespace zav
