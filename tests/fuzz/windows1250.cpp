// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the Windows-1250 conversion both ways.
//
// The bytes as Windows-1250: fromWindows1250 must give valid UTF-8, one character a byte (U+FFFD
// for the five bytes the code page leaves out), and toWindows1250 of that must give the bytes back
// with '?' in place of the undefined ones. The bytes as UTF-8: toWindows1250 must not crash and
// gives at most one byte an input byte; valid UTF-8 must come out as each character's byte, or
// '?' for a character outside the code page.
//
// glibc's iconv drops the Unicode tag characters U+E0000..U+E007F instead of reporting them, so
// toWindows1250 leaves them out rather than writing '?' (tests/fuzz/windows1250/crashes-found/).
// That is accepted unless ZAV_FUZZ_STRICT_TAG_CHARACTERS is non-zero.
#include <cstdint>
#include <string>

#include "core/text_encoding.h"
#include "fuzz_support.h"

#ifndef ZAV_FUZZ_STRICT_TAG_CHARACTERS
#define ZAV_FUZZ_STRICT_TAG_CHARACTERS 0
#endif

using namespace zav;
using namespace zav::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto where = [&] { return std::string(" for '" + escaped(bytes) + "'"); };

    const std::string utf8 = fromWindows1250(bytes);
    ZAV_FUZZ_CHECK(isValidUtf8(utf8),
                   "fromWindows1250 gives invalid UTF-8 '" + escaped(utf8) + "'" + where());
    const std::string expectedUtf8 = expectedFromCp1250(bytes);
    ZAV_FUZZ_CHECK(utf8 == expectedUtf8, "fromWindows1250 gives '" + escaped(utf8) + "', expected '" +
                                             escaped(expectedUtf8) + "'" + where());

    const std::string back = toWindows1250(utf8);
    std::string expectedBack = bytes;
    for (char& c : expectedBack) {
        if (cp1250ToUnicode(static_cast<unsigned char>(c)) == kReplacementCharacter)
            c = '?';
    }
    ZAV_FUZZ_CHECK(back == expectedBack, "toWindows1250(fromWindows1250(b)) gives '" + escaped(back) +
                                             "', expected '" + escaped(expectedBack) + "'" + where());

    const std::string encoded = toWindows1250(bytes);
    ZAV_FUZZ_CHECK(encoded.size() <= bytes.size(),
                   "toWindows1250 gives more bytes than it got: '" + escaped(encoded) + "'" + where());
    if (isValidUtf8(bytes)) {
        const std::string expected = expectedToCp1250(bytes);
        ZAV_FUZZ_CHECK(encoded == expected ||
                           (!ZAV_FUZZ_STRICT_TAG_CHARACTERS && encoded == expectedToCp1250(bytes, true)),
                       "toWindows1250 gives '" + escaped(encoded) + "', expected '" + escaped(expected) +
                           "'" + where());
    }
    return 0;
}
