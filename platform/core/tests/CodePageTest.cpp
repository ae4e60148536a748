#include "platform/core/CodePage.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(CodePage, JapaneseRoundTripsThroughCp932) {
    // "ﾌｧｲﾙ" is half-width katakana (single bytes), "断面" double-byte.
    std::string cp932 = Utf8ToCp932(u8"ﾌｧｲﾙ断面");
    EXPECT_EQ(cp932, std::string("\xCC\xA7\xB2\xD9\x92\x66\x96\xCA"));
    EXPECT_EQ(Cp932ToUtf8(cp932), std::string(reinterpret_cast<const char*>(u8"ﾌｧｲﾙ断面")));
    EXPECT_EQ(Cp932ToUtf16(cp932), std::u16string(u"ﾌｧｲﾙ断面"));
}

TEST(CodePage, BadBytesDecodeToReplacementCharacter) {
    std::string bad("A\x81\x20"
                    "B",
                    4); // lead byte followed by a blank: not a character
    std::string utf8 = Cp932ToUtf8(bad);
    EXPECT_NE(utf8.find("\xEF\xBF\xBD"), std::string::npos);
    EXPECT_EQ(utf8.front(), 'A');
    EXPECT_EQ(utf8.back(), 'B');
}

TEST(CodePage, StrictEncodingRefusesCharactersOutsideCp932) {
    EXPECT_FALSE(Utf8ToCp932Strict(reinterpret_cast<const char*>(u8"Ω≠😀")).has_value());
    EXPECT_EQ(*Utf8ToCp932Strict("abc"), "abc");
    EXPECT_FALSE(Utf16ToCp932Strict(u"\U0001F600").has_value());
    EXPECT_EQ(Utf8ToCp932(reinterpret_cast<const char*>(u8"a😀b")), "a?b");
}

TEST(CodePage, SafeCutNeverSplitsADoubleByteCharacter) {
    std::string text = Utf8ToCp932(u8"ab断面");
    EXPECT_EQ(Cp932SafeCut(text, 3), 2u);
    EXPECT_EQ(Cp932SafeCut(text, 4), 4u);
    EXPECT_EQ(Cp932SafeCut(text, 100), text.size());
    EXPECT_TRUE(IsCp932LeadByte(0x81));
    EXPECT_FALSE(IsCp932LeadByte(0xA1)); // half-width katakana
}
