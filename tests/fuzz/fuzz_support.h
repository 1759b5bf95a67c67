// SPDX-License-Identifier: GPL-3.0-or-later
// Shared checks of the fuzz targets: a failed check prints what it saw and aborts, so that
// libFuzzer keeps the input as a crash. Everything here is written for the targets and does not
// use the code under test.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace zav::fuzz {

/// A text with every byte that is not printable ASCII written as \xHH.
inline std::string escaped(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out.push_back(static_cast<char>(c));
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

[[noreturn]] inline void fail(const char* file, int line, const char* condition, const std::string& detail) {
    std::fprintf(stderr, "\n==ZAV FUZZ CHECK FAILED== %s:%d: %s\n  %s\n", file, line, condition,
                 detail.c_str());
    std::fflush(stderr);
    std::abort();
}

#define ZAV_FUZZ_CHECK(condition, detail)                                                                    \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            ::zav::fuzz::fail(__FILE__, __LINE__, #condition, (detail));                                     \
    } while (false)

/// The bits of a double as hexadecimal and its shortest exact-enough decimal, for messages.
inline std::string describe(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    char text[96];
    std::snprintf(text, sizeof text, "%.17g (bits 0x%016llX)", value, static_cast<unsigned long long>(bits));
    return text;
}

inline bool sameDouble(double a, double b) {
    std::uint64_t x = 0;
    std::uint64_t y = 0;
    std::memcpy(&x, &a, sizeof x);
    std::memcpy(&y, &b, sizeof y);
    return x == y;
}

/// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, no cut-off sequence.
inline bool isValidUtf8(const std::string& text) {
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        std::uint32_t cp = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(length) > n)
            return false;
        for (int k = 1; k < length; ++k) {
            const unsigned char t = s[i + static_cast<std::size_t>(k)];
            if ((t & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (t & 0x3F);
        }
        if ((length == 3 && cp < 0x800) || (length == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += static_cast<std::size_t>(length);
    }
    return true;
}

/// The code points of a text that isValidUtf8 accepted.
template <typename Sink> void forEachCodePoint(const std::string& text, Sink sink) {
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = s[i];
        int length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        std::uint32_t cp = length == 1 ? c : length == 2 ? (c & 0x1F) : length == 3 ? (c & 0x0F) : (c & 0x07);
        for (int k = 1; k < length; ++k)
            cp = (cp << 6) | (s[i + static_cast<std::size_t>(k)] & 0x3F);
        sink(cp);
        i += static_cast<std::size_t>(length);
    }
}

inline void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

/// Windows-1250, bytes 0x80..0xFF; 0 where the code page defines no character.
constexpr std::uint16_t kCp1250High[128] = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021, // 80
    0,      0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0,      0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // F8
};

constexpr std::uint32_t kReplacementCharacter = 0xFFFD;

/// The character of a Windows-1250 byte, or U+FFFD for the five bytes the code page leaves out.
inline std::uint32_t cp1250ToUnicode(unsigned char byte) {
    if (byte < 0x80)
        return byte;
    const std::uint16_t cp = kCp1250High[byte - 0x80];
    return cp == 0 ? kReplacementCharacter : cp;
}

/// The Windows-1250 byte of a character, or -1 when the code page has none.
inline int unicodeToCp1250(std::uint32_t cp) {
    if (cp < 0x80)
        return static_cast<int>(cp);
    for (int k = 0; k < 128; ++k) {
        if (kCp1250High[k] != 0 && kCp1250High[k] == cp)
            return 0x80 + k;
    }
    return -1;
}

/// What fromWindows1250 must give: each byte's character in UTF-8.
inline std::string expectedFromCp1250(const std::string& bytes) {
    std::string out;
    for (unsigned char c : bytes)
        appendUtf8(out, cp1250ToUnicode(c));
    return out;
}

/// The Unicode tag characters U+E0000..U+E007F, which glibc's iconv drops when the target code page
/// cannot hold them, instead of reporting them as characters it cannot convert.
inline bool isTagCharacter(std::uint32_t cp) {
    return cp >= 0xE0000 && cp <= 0xE007F;
}

/// What toWindows1250 must give for valid UTF-8: each character's byte, '?' when it has none (a tag
/// character left out when `dropTags`).
inline std::string expectedToCp1250(const std::string& utf8, bool dropTags = false) {
    std::string out;
    forEachCodePoint(utf8, [&out, dropTags](std::uint32_t cp) {
        if (dropTags && isTagCharacter(cp))
            return;
        const int byte = unicodeToCp1250(cp);
        out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
    });
    return out;
}

/// A double from up to eight little-endian bytes (missing bytes are zero).
inline double doubleFromBytes(const std::uint8_t* data, std::size_t size) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8 && i < size; ++i)
        bits |= static_cast<std::uint64_t>(data[i]) << (8 * i);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace zav::fuzz
