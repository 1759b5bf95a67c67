// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text_encoding.h"

#include <gtest/gtest.h>

namespace zav {
namespace {

TEST(TextEncodingTest, SlovakLettersBothWays) {
    const std::string utf8 = "Súč. tep. vodivosť; ZAV_sálanie (°C) ĽŠČŤŽÝÁÍÉÚÄÔŇ";
    const std::string cp1250 = toWindows1250(utf8);
    EXPECT_EQ(cp1250.substr(0, 9), "S\xFA\xE8. tep.");
    // One byte a character: the count of UTF-8 lead bytes.
    std::size_t characters = 0;
    for (unsigned char c : utf8)
        characters += (c & 0xC0) != 0x80;
    EXPECT_EQ(cp1250.size(), characters);
    EXPECT_EQ(fromWindows1250(cp1250), utf8);
}

TEST(TextEncodingTest, DegreeSignIsOneByte) { EXPECT_EQ(toWindows1250("°"), "\xB0"); }

TEST(TextEncodingTest, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(toWindows1250("a中b"), "a?b");
    EXPECT_EQ(toWindows1250("x\xC3"), "x?"); // a UTF-8 sequence cut off at the end
}

TEST(TextEncodingTest, UndefinedByteBecomesTheReplacementCharacter) {
    EXPECT_EQ(fromWindows1250("a\x98" "b"), "a\xEF\xBF\xBD" "b");
}

} // namespace
} // namespace zav
