// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the number formats on any double, precision and decimals the program uses.
//
// Input: 8 bytes of a double (little-endian; missing bytes are zero), a precision byte
// (1 + b % 22), a decimals byte (b % 13), a flags byte (bit 0: '.' instead of ',', bit 1: a
// no-break space instead of a space between groups, bits 2..4: how the value is made from the 8
// bytes, below), then up to 64 bytes of text that appendFixed appends to.
//
// For finite values every text must have its documented shape and equal the reference rounding
// on the exact decimal value; the texts are read back by parseNumber (formatExponent(v, 17) gives
// v again).
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/number_format.h"
#include "fuzz_support.h"
#include "number_checks.h"

namespace {

using namespace zav;
using namespace zav::fuzz;

double steps(double value, int count) {
    const double toward = count < 0 ? -HUGE_VAL : HUGE_VAL;
    for (int k = 0; k < std::abs(count); ++k)
        value = std::nextafter(value, toward);
    return value;
}

double decimalValue(std::uint64_t mantissa, int exponent) {
    const std::string text = std::to_string(mantissa) + "e" + std::to_string(exponent);
    return std::strtod(text.c_str(), nullptr);
}

double bitsToDouble(std::uint64_t bits) {
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The value from the 8 bytes: the raw bit pattern, or one of the neighbourhoods where rounding
// is delicate, so that the fuzzer reaches them often.
double makeValue(std::uint64_t bits, int mode) {
    const double sign = (bits >> 63) != 0 ? -1.0 : 1.0;
    switch (mode) {
    case 1: { // k / 2^j: exact halves at some decimal position
        const auto k = static_cast<std::int64_t>(bits) >> 24;
        return std::ldexp(static_cast<double>(k), -static_cast<int>(bits & 0x3F));
    }
    case 2: { // a decimal of up to 12 digits times a power of ten, a few steps off
        const std::uint64_t m = (bits & 0xFFFFFFFFFFull) % 1000000000000ull;
        const int e = static_cast<int>(((bits >> 40) & 0x3FF) % 660) - 340;
        return sign * steps(decimalValue(m, e), static_cast<int>((bits >> 56) & 0x0F) - 8);
    }
    case 3: // just below the largest double
        return sign * bitsToDouble(0x7FEFFFFFFFFFFFFFull - (bits & 0xFFFFF));
    case 4: { // a power of ten (10^-324 .. 10^308), a few steps off
        const int e = static_cast<int>((bits & 0xFFFF) % 633) - 324;
        return sign * steps(decimalValue(1, e), static_cast<int>((bits >> 16) & 0xFF) - 128);
    }
    case 5: // subnormal
        return bitsToDouble(bits & 0x800FFFFFFFFFFFFFull);
    default:
        return bitsToDouble(bits);
    }
}

void checkNonFinite(double value, int precision, int decimals, const std::string& prefix, char sep) {
    const std::string expected = std::isnan(value) ? "NAN" : value < 0 ? "-INF" : "INF";
    const std::string what = " of " + describe(value);
    ZAV_FUZZ_CHECK(formatFixed(value, precision, decimals, sep) == expected, "formatFixed" + what);
    ZAV_FUZZ_CHECK(formatExponent(value, precision, sep) == expected, "formatExponent" + what);
    ZAV_FUZZ_CHECK(formatGeneral(value, sep) == expected, "formatGeneral" + what);
    ZAV_FUZZ_CHECK(formatGrouped(value, decimals, " ", sep) == expected, "formatGrouped" + what);
    std::string text = prefix;
    appendFixed(text, value, precision, decimals, sep);
    ZAV_FUZZ_CHECK(text == prefix + expected, "appendFixed" + what);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8 && i < size; ++i)
        bits |= static_cast<std::uint64_t>(data[i]) << (8 * i);
    const int precision = 1 + (size > 8 ? data[8] % 22 : 0);
    const int decimals = size > 9 ? data[9] % 13 : 0;
    const int flags = size > 10 ? data[10] : 0;
    const char sep = (flags & 1) != 0 ? '.' : ',';
    const std::string group = (flags & 2) != 0 ? "\u00A0" : " ";
    const std::string prefix = size > 11 ? std::string(reinterpret_cast<const char*>(data + 11),
                                                       std::min<std::size_t>(size - 11, 64))
                                         : "";
    const double value = makeValue(bits, (flags >> 2) & 7);

    if (!std::isfinite(value)) {
        checkNonFinite(value, precision, decimals, prefix, sep);
        return 0;
    }
    const ExactValue exact(value);
    const auto where = [&] {
        return std::string(" of " + describe(value) + " P" + std::to_string(precision) + " D" +
                           std::to_string(decimals) + " separator '" + sep + "'");
    };

    const std::string fixed = formatFixed(value, precision, decimals, sep);
    checkFixedShape(fixed, value, precision, decimals, sep, "formatFixed");
    checkAgainstReference(
        fixed,
        [&](bool withinRange) { return referenceFixed(value, exact, precision, decimals, sep, withinRange); },
        [&] { return std::string("formatFixed" + where()); });

    std::string appended = prefix;
    appendFixed(appended, value, precision, decimals, sep);
    ZAV_FUZZ_CHECK(appended == prefix + fixed, "appendFixed gives '" + escaped(appended) + "' after '" +
                                                   escaped(prefix) + "', formatFixed '" + fixed + "'" +
                                                   where());

    const std::string exponent = formatExponent(value, precision, sep);
    checkExponentShape(exponent, value, precision, sep, "formatExponent");
    checkAgainstReference(
        exponent,
        [&](bool withinRange) { return referenceExponent(value, exact, precision, sep, withinRange); },
        [&] { return std::string("formatExponent" + where()); });

    const std::string general = formatGeneral(value, sep);
    checkGeneralShape(general, value, sep);
    checkAgainstReference(
        general, [&](bool withinRange) { return referenceGeneral(value, exact, sep, withinRange); },
        [&] { return std::string("formatGeneral" + where()); });

    const std::string grouped = formatGrouped(value, decimals, group, sep);
    checkGroupedShape(grouped, value, decimals, group, sep);
    checkAgainstReference(
        grouped,
        [&](bool withinRange) { return referenceGrouped(value, exact, decimals, group, sep, withinRange); },
        [&] { return std::string("formatGrouped" + where()); });

    // Read back: the program reads result texts again (fixed and exponent forms).
    const std::optional<double> fixedBack = checkReadsBack(fixed, value, sep, "formatFixed");
    const std::optional<double> exponentBack = checkReadsBack(exponent, value, sep, "formatExponent");
    if (precision <= 15) {
        // At most 15 significant digits survive the trip through a normal double unchanged (a
        // subnormal has fewer: "1,0E-0322" reads back as the subnormal nearest to it, 9,88E-323).
        if (fixedBack && (*fixedBack == 0 || std::fabs(*fixedBack) >= DBL_MIN)) {
            const std::string again = formatFixed(*fixedBack, precision, decimals, sep);
            ZAV_FUZZ_CHECK(again == fixed,
                           "formatFixed '" + fixed + "' read back formats as '" + again + "'" + where());
        }
        if (exponentBack && (*exponentBack == 0 || std::fabs(*exponentBack) >= DBL_MIN)) {
            const std::string again = formatExponent(*exponentBack, precision, sep);
            ZAV_FUZZ_CHECK(again == exponent, "formatExponent '" + exponent + "' read back formats as '" +
                                                  again + "'" + where());
        }
    }
    checkRoundTrips(value, sep);
    return 0;
}
