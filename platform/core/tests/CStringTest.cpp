#include "platform/core/CString.h"
#include "platform/core/CodePage.h"

#include <clocale>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>

TEST(CString, CutsAndSearchesCountBytes) {
    CString text("ABCDEF");
    EXPECT_EQ(text.Left(2), "AB");
    EXPECT_EQ(text.Mid(2), "CDEF");
    EXPECT_EQ(text.Mid(2, 3), "CDE");
    EXPECT_EQ(text.Right(2), "EF");
    EXPECT_EQ(text.Left(99), "ABCDEF");
    EXPECT_EQ(text.Mid(99), "");
    EXPECT_EQ(text.Right(-1), "");
    EXPECT_EQ(text.Find('C'), 2);
    EXPECT_EQ(text.Find("DE"), 3);
    EXPECT_EQ(text.Find('A', 1), -1);
    EXPECT_EQ(CString("a.b.c").ReverseFind('.'), 3);
}

TEST(CString, FindNeverMatchesTheTrailByteOfADoubleByteCharacter) {
    // "ソ" is 0x83 0x5C in CP932: its trail byte is a backslash.
    CString text(u8"ソ\\");
    ASSERT_EQ(text.GetLength(), 3);
    EXPECT_EQ(text.Find('\\'), 2);
    EXPECT_EQ(text.ReverseFind('\\'), 2);
}

TEST(CString, CaseMappingTouchesAsciiOnly) {
    CString text(u8"abc断面xyzＡ");
    CString before = text;
    text.MakeUpper();
    EXPECT_EQ(platform::Cp932ToUtf8(text.str()), platform::Cp932ToUtf8(CString(u8"ABC断面XYZＡ").str()));
    text.MakeLower();
    EXPECT_EQ(text, before);
    EXPECT_EQ(CString("MerDok001").CompareNoCase("MERDOK001"), 0);
    EXPECT_LT(CString("abc").Compare("abd"), 0);
}

TEST(CString, FormatUsesTheCLocaleWhateverTheProcessLocale) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr)
        << "the de_DE.UTF-8 locale is not installed (scripts/install-deps.sh generates it)";
    char processLocale[16];
    std::snprintf(processLocale, sizeof processLocale, "%.1f", 1.5);
    CString text;
    text.Format("%10.3lf|%5d|%s", -12.5, 42, "x");
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_STREQ(processLocale, "1,5"); // the process locale writes a decimal comma here
    EXPECT_EQ(text, "   -12.500|   42|x");
}

TEST(CString, Utf8FormatLiteralBecomesCp932) {
    CString text;
    text.Format(u8"ｴﾗｰ番号%d", 5);
    EXPECT_EQ(text.str(), platform::Utf8ToCp932(u8"ｴﾗｰ番号5"));
}

TEST(CString, GetBufferAndReleaseBuffer) {
    CString text("ab");
    char* buffer = text.GetBuffer(10);
    std::strcpy(buffer, "hello");
    text.ReleaseBuffer();
    EXPECT_EQ(text, "hello");
    text.GetBuffer(10);
    text.ReleaseBuffer(3);
    EXPECT_EQ(text, "hel");
}

TEST(CString, Trim) {
    CString text("  a b  ");
    text.Trim();
    EXPECT_EQ(text, "a b");
}
