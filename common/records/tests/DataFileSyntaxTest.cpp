#include "common/records/DataFileSyntax.h"
#include "platform/core/Unset.h"

#include <gtest/gtest.h>

using platform::kUnsetInt;

TEST(DataFileSyntax, TitleRecordPutsTheTagAtColumn61) {
    CString line = FormatTitleRecord(CString(u8"地すべり断面"), kSectionModelTag);
    EXPECT_EQ(line.GetLength(), 69);
    EXPECT_EQ(line.Left(10), "TITLE     ");
    EXPECT_EQ(line.Mid(60), "MERDOK001");
    EXPECT_EQ(ParseTitleText(line), CString(u8"地すべり断面"));
    EXPECT_EQ(CheckFormatTag(line, kSectionModelTag), FormatTagCheck::Match);
}

TEST(DataFileSyntax, ALongTitleIsCutAtColumn60WithoutSplittingACharacter) {
    CString title;
    for (int i = 0; i < 30; ++i) {
        title += CString(u8"断"); // 60 bytes
    }
    title = CString("x") + title;
    CString line = FormatTitleRecord(title, kMeasurementTag);
    EXPECT_EQ(line.GetLength(), 69);
    EXPECT_EQ(line.Mid(60), "GOLMIR001");
    EXPECT_EQ(line[59], ' '); // the character that no longer fits is left out whole
    EXPECT_EQ(ParseTitleText(line).GetLength(), 49);
}

TEST(DataFileSyntax, TagCheckCases) {
    CString good = FormatTitleRecord("abc", kAnalysisTag);
    EXPECT_EQ(CheckFormatTag(good, kAnalysisTagOld), FormatTagCheck::Mismatch);
    EXPECT_EQ(CheckFormatTag(good, kAnalysisTag), FormatTagCheck::Match);
    CString lower = FormatTitleRecord("abc", "torvan002");
    EXPECT_EQ(CheckFormatTag(lower, kAnalysisTag), FormatTagCheck::Mismatch);
    EXPECT_EQ(CheckFormatTag(lower, kAnalysisTag, true), FormatTagCheck::Match);
    EXPECT_EQ(CheckFormatTag("TITLE     abc", kAnalysisTag), FormatTagCheck::NoTag);
    EXPECT_EQ(CheckFormatTag("    1    0    1.000", kAnalysisTag), FormatTagCheck::NoTag);
    CString cut = FormatTitleRecord("abc", "MERD");
    EXPECT_EQ(CheckFormatTag(cut, kSectionModelTag), FormatTagCheck::Mismatch);
    EXPECT_EQ(ParseTitleText("TITLE     abc"), "abc");
}

TEST(DataFileSyntax, PointListsOfTenContinue) {
    std::vector<int> keys;
    EXPECT_EQ(ReadPointNumberList("    1    2    3    4    5    6    7    8    9   10   99", keys), 1);
    EXPECT_EQ(keys.size(), 10u);
    EXPECT_EQ(keys.front(), 0);
    EXPECT_EQ(keys.back(), 9); // column 51 on is not part of the list
    keys.clear();
    EXPECT_EQ(ReadPointNumberList("   11   12", keys), 0);
    EXPECT_EQ(keys, (std::vector<int>{10, 11}));
    keys.clear();
    EXPECT_EQ(ReadPointNumberList("", keys), 0);
    EXPECT_TRUE(keys.empty());
}

TEST(DataFileSyntax, SectionsEndAtAnUpperCaseLetter) {
    EXPECT_TRUE(StartsSection("LINE"));
    EXPECT_TRUE(StartsSection("END"));
    EXPECT_FALSE(StartsSection("    1"));
    EXPECT_FALSE(StartsSection("line"));
    EXPECT_FALSE(StartsSection(""));
    EXPECT_TRUE(StartsWith("MSIZE     1.0", "MSIZE"));
    EXPECT_FALSE(StartsWith("MSIZ", "MSIZE"));
}

TEST(DataFileSyntax, DateRecordsWithUnsetAndMissingParts) {
    EXPECT_EQ(ParseDateRecord("2004,-1,1,0,0"), (std::array<int, 5>{2004, kUnsetInt, 1, 0, 0}));
    EXPECT_EQ(ParseDateRecord("2004,5,6"), (std::array<int, 5>{2004, 5, 6, kUnsetInt, kUnsetInt}));
    EXPECT_EQ(ParseDateRecord("garbage"),
              (std::array<int, 5>{kUnsetInt, kUnsetInt, kUnsetInt, kUnsetInt, kUnsetInt}));
}
