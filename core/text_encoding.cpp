// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text_encoding.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace zav {

namespace {

// Converts with glibc's iconv, replacing what cannot be converted and going on.
std::string convert(const std::string& text, const char* to, const char* from, const std::string& replacement) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return text;
    const bool fromUtf8 = std::strcmp(from, "UTF-8") == 0;
    std::string out;
    out.reserve(text.size() * 2);
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char buffer[256];
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (result != static_cast<std::size_t>(-1) || errno == E2BIG)
            continue;
        out += replacement;
        if (errno != EILSEQ)
            break; // a sequence cut off at the end
        // Skip the offending character: one byte, and in UTF-8 its continuation bytes.
        ++in;
        --inLeft;
        while (fromUtf8 && inLeft > 0 && (static_cast<unsigned char>(*in) & 0xC0) == 0x80) {
            ++in;
            --inLeft;
        }
    }
    iconv_close(cd);
    return out;
}

// ASCII is the same in both; most texts (every number) are nothing else.
bool isAscii(const std::string& text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

std::string fromWindows1250(const std::string& bytes) {
    return isAscii(bytes) ? bytes : convert(bytes, "UTF-8", "WINDOWS-1250", "\xEF\xBF\xBD");
}

std::string toWindows1250(const std::string& utf8) {
    return isAscii(utf8) ? utf8 : convert(utf8, "WINDOWS-1250", "UTF-8", "?");
}

} // namespace zav
