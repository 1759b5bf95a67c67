// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: any bytes as a field text, read with the decimal comma and with the decimal point.
//
// parseNumber must either give a finite double or throw ConversionError (with the message naming
// the text); it must accept exactly the texts of the documented form and give the value strtod
// gives for them. A value read is then formatted in the formats of the windows and files: each
// text must have its documented shape, equal the reference rounding, and read back.
#include <cmath>
#include <cstdint>
#include <string>

#include "core/number_format.h"
#include "fuzz_support.h"
#include "number_checks.h"

namespace {

using namespace zav;
using namespace zav::fuzz;

// (precision, decimals) of the result fields, the table and cooling data files and the KELO tab.
constexpr int kFixedFormats[][2] = {{10, 1}, {10, 2}, {10, 3}, {10, 4}, {6, 2}, {6, 3}, {6, 4},
                                    {5, 0},  {5, 1},  {8, 1},  {8, 2},  {8, 3}, {8, 4}, {8, 6}};
constexpr int kExponentPrecisions[] = {5, 8};

void checkFormatsOf(double value, char sep) {
    const ExactValue exact(value);
    for (const auto& f : kFixedFormats) {
        const std::string text = formatFixed(value, f[0], f[1], sep);
        checkFixedShape(text, value, f[0], f[1], sep, "formatFixed");
        checkAgainstReference(
            text,
            [&](bool withinRange) { return referenceFixed(value, exact, f[0], f[1], sep, withinRange); },
            [&] {
                return std::string("formatFixed of " + describe(value) + " P" + std::to_string(f[0]) + " D" +
                                   std::to_string(f[1]));
            });
        checkReadsBack(text, value, sep, "formatFixed");
    }
    for (int p : kExponentPrecisions) {
        const std::string text = formatExponent(value, p, sep);
        checkExponentShape(text, value, p, sep, "formatExponent");
        checkAgainstReference(
            text, [&](bool withinRange) { return referenceExponent(value, exact, p, sep, withinRange); },
            [&] { return std::string("formatExponent of " + describe(value) + " P" + std::to_string(p)); });
        checkReadsBack(text, value, sep, "formatExponent");
    }
    const std::string general = formatGeneral(value, sep);
    checkGeneralShape(general, value, sep);
    checkAgainstReference(
        general, [&](bool withinRange) { return referenceGeneral(value, exact, sep, withinRange); },
        [&] { return std::string("formatGeneral of " + describe(value)); });
    const std::string grouped = formatGrouped(value, 9, "\u00A0", sep);
    checkGroupedShape(grouped, value, 9, "\u00A0", sep);
    checkAgainstReference(
        grouped,
        [&](bool withinRange) { return referenceGrouped(value, exact, 9, "\u00A0", sep, withinRange); },
        [&] { return std::string("formatGrouped of " + describe(value)); });
    checkRoundTrips(value, sep);
}

void checkText(const std::string& text, char sep) {
    const std::optional<double> read = parseOrNothing(text, sep);
    const std::optional<double> expected = expectedParse(text, sep);
    const auto where = [&] { return std::string("'" + escaped(text) + "' with separator '" + sep + "'"); };
    ZAV_FUZZ_CHECK(read.has_value() == expected.has_value(),
                   (read ? "accepted as " + describe(*read) : std::string("refused")) + ": " + where());
    if (!read)
        return;
    ZAV_FUZZ_CHECK(std::isfinite(*read), "not finite: " + describe(*read) + ": " + where());
    ZAV_FUZZ_CHECK(sameDouble(*read, *expected),
                   "read as " + describe(*read) + " instead of " + describe(*expected) + ": " + where());
    checkFormatsOf(*read, sep);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    checkText(text, ',');
    checkText(text, '.');
    return 0;
}
