// SPDX-License-Identifier: GPL-3.0-or-later
// What a KELO read must give for the bytes it read, and the texts shown for it.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "fuzz_support.h"
#include "io/kelo_file.h"
#include "number_checks.h"

namespace zav::fuzz {

inline const char* statusName(KeloReadResult::Status status) {
    switch (status) {
    case KeloReadResult::Status::Complete:
        return "Complete";
    case KeloReadResult::Status::Short:
        return "Short";
    case KeloReadResult::Status::NotFinite:
        return "NotFinite";
    case KeloReadResult::Status::CannotOpen:
        return "CannotOpen";
    }
    return "(not a status)";
}

/// The record read from `size` bytes (the whole input, or what a file held): status, values bit for
/// bit in little-endian order, the name up to its first NUL decoded from Windows-1250.
inline void checkKeloRecord(const std::uint8_t* data, std::size_t size, const KeloReadResult& r) {
    const std::array<double, kKeloValueCount> values = keloFileValues(r.coefficients);
    const std::string& name = r.coefficients.name;
    const auto where = [&] { return std::string(" (" + std::to_string(size) + " bytes)"); };
    const bool complete = size >= static_cast<std::size_t>(kKeloFileBytes);
    const std::size_t whole = std::min<std::size_t>(kKeloValueCount, size / 8);
    bool finite = true;
    for (std::size_t k = 0; k < whole; ++k)
        finite = finite && std::isfinite(doubleFromBytes(data + 8 * k, 8));
    const KeloReadResult::Status status = !finite  ? KeloReadResult::Status::NotFinite
                                          : complete ? KeloReadResult::Status::Complete
                                                     : KeloReadResult::Status::Short;
    ZAV_FUZZ_CHECK(r.status == status, std::string("status ") + statusName(r.status) + where());
    ZAV_FUZZ_CHECK(r.wholeValues == static_cast<int>(whole),
                   "wholeValues " + std::to_string(r.wholeValues) + where());
    for (std::size_t k = 0; k < static_cast<std::size_t>(kKeloValueCount); ++k) {
        const double expected = k < whole ? doubleFromBytes(data + 8 * k, 8) : 0.0;
        ZAV_FUZZ_CHECK(sameDouble(values[k], expected), "value " + std::to_string(k) + " is " +
                                                            describe(values[k]) + ", expected " +
                                                            describe(expected) + where());
    }
    ZAV_FUZZ_CHECK(r.hasName == complete, "hasName" + where());
    if (!complete) {
        ZAV_FUZZ_CHECK(name.empty(),
                       "a name without the name's bytes: '" + escaped(name) + "'" + where());
        return;
    }
    const auto* nameBytes = reinterpret_cast<const char*>(data + kKeloValueCount * 8);
    std::string raw(nameBytes, kKeloNameBytes);
    raw.erase(std::min(raw.find('\0'), raw.size()));
    const std::string expected = expectedFromCp1250(raw);
    ZAV_FUZZ_CHECK(isValidUtf8(name), "name not UTF-8: '" + escaped(name) + "'" + where());
    ZAV_FUZZ_CHECK(name.find('\0') == std::string::npos, "NUL in the name" + where());
    ZAV_FUZZ_CHECK(name.size() <= 3 * static_cast<std::size_t>(kKeloNameBytes),
                   "name too long" + where());
    ZAV_FUZZ_CHECK(name == expected,
                   "name '" + escaped(name) + "', expected '" + escaped(expected) + "'" + where());
}

/// Two reads gave the same: status, values bit for bit, name.
inline bool sameResult(const KeloReadResult& a, const KeloReadResult& b) {
    if (a.status != b.status || a.wholeValues != b.wholeValues || a.hasName != b.hasName ||
        a.coefficients.name != b.coefficients.name)
        return false;
    const std::array<double, kKeloValueCount> valuesA = keloFileValues(a.coefficients);
    const std::array<double, kKeloValueCount> valuesB = keloFileValues(b.coefficients);
    for (std::size_t k = 0; k < valuesA.size(); ++k) {
        if (!sameDouble(valuesA[k], valuesB[k]))
            return false;
    }
    return true;
}

/// The texts of keloTexts in the file's order of their values.
inline std::array<const std::optional<std::string>*, kKeloValueCount> textsInFileOrder(const KeloTexts& t) {
    std::array<const std::optional<std::string>*, kKeloValueCount> texts{};
    const std::array<std::optional<std::string>, 6>* rows[] = {&t.viscosity, &t.compressibility,
                                                               &t.conductivity, &t.heatCapacity};
    for (std::size_t k = 0; k < 24; ++k)
        texts[k] = &(*rows[k / 6])[k % 6];
    const std::optional<std::string>* tail[] = {&t.tempMin, &t.tempMax, &t.pressureMin, &t.pressureMax,
                                                &t.gasConstant};
    for (std::size_t k = 24; k < texts.size(); ++k)
        texts[k] = tail[k - 24];
    return texts;
}

/// Whether keloTexts gives no text at all.
inline bool noTexts(const KeloTexts& t) {
    for (const std::optional<std::string>* text : textsInFileOrder(t)) {
        if (text->has_value())
            return false;
    }
    return !t.name.has_value();
}

inline void checkNonFiniteText(const std::string& text, double value, const std::string& what) {
    const char* expected = std::isnan(value) ? "NAN" : value < 0 ? "-INF" : "INF";
    ZAV_FUZZ_CHECK(text == expected, what + " '" + escaped(text) + "' of " + describe(value));
}

/// keloTexts: a text for each value read and none for the others, the name's when it was read;
/// each number in its format, ASCII, short, and read back by parseNumber as the next calculation
/// does.
inline void checkKeloTexts(const KeloReadResult& r) {
    const KeloTexts t = keloTexts(r);
    const auto texts = textsInFileOrder(t);
    const std::array<double, kKeloValueCount> values = keloFileValues(r.coefficients);
    const std::array<std::string, 5> tailNames = {"tempMin", "tempMax", "pressureMin", "pressureMax",
                                                  "gasConstant"};
    for (int k = 0; k < kKeloValueCount; ++k) {
        const std::size_t at = static_cast<std::size_t>(k);
        const std::string what = k < 24 ? "coefficient " + std::to_string(k) : tailNames[at - 24];
        const std::optional<std::string>& shownText = *texts[at];
        ZAV_FUZZ_CHECK(shownText.has_value() == (k < r.wholeValues),
                       what + (shownText ? " has a text" : " has no text") + " for " +
                           std::to_string(r.wholeValues) + " values");
        if (!shownText)
            continue;
        const std::string& text = *shownText;
        ZAV_FUZZ_CHECK(text.size() <= 24, what + " text too long: '" + escaped(text) + "'");
        for (char c : text)
            ZAV_FUZZ_CHECK(static_cast<unsigned char>(c) < 0x80,
                           what + " text not ASCII: '" + escaped(text) + "'");
        const bool pressure = texts[at] == &t.pressureMin || texts[at] == &t.pressureMax;
        const double shown = pressure ? values[at] * 1e-6 : values[at];
        if (!std::isfinite(shown)) {
            checkNonFiniteText(text, shown, what);
            continue;
        }
        if (k < 24)
            checkExponentShape(text, shown, 5, ',', "KELO coefficient");
        else if (pressure)
            checkFixedShape(text, shown, 8, 3, ',', "KELO pressure (MPa)");
        else
            checkFixedShape(text, shown, 5, 1, ',', "KELO bound or r");
        checkReadsBack(text, shown, ',', "a KELO text");
    }
    ZAV_FUZZ_CHECK(t.name.has_value() == r.hasName, "a name's text without the name, or none with it");
    if (r.hasName)
        ZAV_FUZZ_CHECK(*t.name == r.coefficients.name, "the name's text");
}

} // namespace zav::fuzz
