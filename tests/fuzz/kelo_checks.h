// SPDX-License-Identifier: GPL-3.0-or-later
// What a KELO read must give for the bytes it read, and the texts the KELO tab shows for it.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
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
        ZAV_FUZZ_CHECK(sameDouble(r.values[k], expected), "value " + std::to_string(k) + " is " +
                                                              describe(r.values[k]) + ", expected " +
                                                              describe(expected) + where());
    }
    ZAV_FUZZ_CHECK(r.hasName == complete, "hasName" + where());
    if (!complete) {
        ZAV_FUZZ_CHECK(r.mixtureName.empty(),
                       "a name without the name's bytes: '" + escaped(r.mixtureName) + "'" + where());
        return;
    }
    const auto* nameBytes = reinterpret_cast<const char*>(data + kKeloValueCount * 8);
    std::string raw(nameBytes, kKeloNameBytes);
    raw.erase(std::min(raw.find('\0'), raw.size()));
    const std::string expected = expectedFromCp1250(raw);
    ZAV_FUZZ_CHECK(isValidUtf8(r.mixtureName), "name not UTF-8: '" + escaped(r.mixtureName) + "'" + where());
    ZAV_FUZZ_CHECK(r.mixtureName.find('\0') == std::string::npos, "NUL in the name" + where());
    ZAV_FUZZ_CHECK(r.mixtureName.size() <= 3 * static_cast<std::size_t>(kKeloNameBytes),
                   "name too long" + where());
    ZAV_FUZZ_CHECK(r.mixtureName == expected,
                   "name '" + escaped(r.mixtureName) + "', expected '" + escaped(expected) + "'" + where());
}

/// Two reads gave the same: status, values bit for bit, name.
inline bool sameResult(const KeloReadResult& a, const KeloReadResult& b) {
    if (a.status != b.status || a.wholeValues != b.wholeValues || a.hasName != b.hasName ||
        a.mixtureName != b.mixtureName)
        return false;
    for (std::size_t k = 0; k < a.values.size(); ++k) {
        if (!sameDouble(a.values[k], b.values[k]))
            return false;
    }
    return true;
}

inline void checkNonFiniteText(const std::string& text, double value, int field) {
    const char* expected = std::isnan(value) ? "NAN" : value < 0 ? "-INF" : "INF";
    ZAV_FUZZ_CHECK(text == expected,
                   "field " + std::to_string(field) + " '" + escaped(text) + "' of " + describe(value));
}

/// keloFieldTexts: Edit30..Edit53, Edit55, Edit56, Edit58, Edit59, Edit60 for the values read, in
/// that order, then Edit57 with the name; each number in its format, ASCII, short, and read back
/// by parseNumber as the next calculation does.
inline void checkKeloFieldTexts(const KeloReadResult& r) {
    const auto fields = keloFieldTexts(r);
    const std::size_t expectedCount = static_cast<std::size_t>(r.wholeValues) + (r.hasName ? 1 : 0);
    ZAV_FUZZ_CHECK(fields.size() == expectedCount, "field count " + std::to_string(fields.size()) + " for " +
                                                       std::to_string(r.wholeValues) + " values");
    static const int kTail[] = {55, 56, 58, 59, 60};
    for (int k = 0; k < r.wholeValues; ++k) {
        const auto& [field, text] = fields[static_cast<std::size_t>(k)];
        const int expectedField = k < 24 ? 30 + k : kTail[k - 24];
        ZAV_FUZZ_CHECK(field == expectedField, "field " + std::to_string(field) + " at " + std::to_string(k));
        ZAV_FUZZ_CHECK(text.size() <= 24,
                       "field " + std::to_string(field) + " text too long: '" + escaped(text) + "'");
        for (char c : text)
            ZAV_FUZZ_CHECK(static_cast<unsigned char>(c) < 0x80,
                           "field text not ASCII: '" + escaped(text) + "'");
        const double value = r.values[static_cast<std::size_t>(k)];
        const bool pressure = field == 58 || field == 59;
        const double shown = pressure ? value * 1e-6 : value;
        if (!std::isfinite(shown)) {
            checkNonFiniteText(text, shown, field);
            continue;
        }
        if (k < 24)
            checkExponentShape(text, shown, 5, ',', "KELO coefficient");
        else if (pressure)
            checkFixedShape(text, shown, 8, 3, ',', "KELO pressure (MPa)");
        else
            checkFixedShape(text, shown, 5, 1, ',', "KELO bound or r");
        checkReadsBack(text, shown, ',', "a KELO field");
    }
    if (r.hasName) {
        ZAV_FUZZ_CHECK(fields.back().first == 57, "the name's field is last");
        ZAV_FUZZ_CHECK(fields.back().second == r.mixtureName, "the name's field text");
    }
}

} // namespace zav::fuzz
