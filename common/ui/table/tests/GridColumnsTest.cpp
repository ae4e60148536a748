#include "common/ui/table/CGridColumns.h"

#include "platform/core/RecordingSink.h"
#include "platform/core/Unset.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

using platform::Utf8;

std::string U8(const CString& text) {
    platform::RecordingSink sink;
    AfxMessageBox(text);
    return sink.LastMessageUtf8();
}

CGridColumns Sample() {
    CGridColumns columns;
    columns.Parse({CString(u8"番号 5 5 0 1 9999"), CString(u8"X座標(m) 10 8 2 -99999 999999"),
                   CString(u8"係数 12 12 -3 1.0e-5 1.0e+5"), CString(u8"@名称 10 6 -99 20"),
                   CString(u8"表示 4 0 0 0 9")});
    return columns;
}

TEST(GridColumnsTest, StyleStringsGiveKindsWidthsAndCaptions) {
    CGridColumns columns = Sample();
    ASSERT_EQ(columns.Count(), 5);
    EXPECT_EQ(columns.IntCount(), 2);
    EXPECT_EQ(columns.RealCount(), 1);
    EXPECT_EQ(columns.ExponentCount(), 1);
    EXPECT_EQ(columns.TextCount(), 1);
    EXPECT_EQ(columns.Kind(2), GridColumnKind::Exponent);
    EXPECT_EQ(columns.KindIndex(4), 1);
    EXPECT_EQ(columns.Caption(3), CString(u8" 名称"));
    EXPECT_FALSE(columns.IsEditable(4));
    EXPECT_EQ(columns.InputWidth(1), 8);
}

TEST(GridColumnsTest, CellsShowInTheirColumnFormats) {
    CGridColumns columns = Sample();
    std::unique_ptr<CGridData> row(columns.NewRow());
    for (int col = 0; col < 4; ++col) {
        EXPECT_EQ(columns.FormatCell(*row, col), CString()) << col;
    }
    row->IntCell(0) = -12;
    row->RealCell(0) = 3.14159;
    row->ExponentCell(0) = 150000.0;
    row->TextCell(0) = CString(u8"地点A");
    EXPECT_EQ(columns.FormatCell(*row, 0), CString("-12"));
    EXPECT_EQ(columns.FormatCell(*row, 1), CString("3.14"));
    EXPECT_EQ(columns.FormatCell(*row, 2), CString("1.500E+05"));
    EXPECT_EQ(columns.FormatCell(*row, 3), CString(u8"地点A"));
    EXPECT_EQ(CGridColumns::FormatExponent(1.5e-100, 2), CString("1.50E-100"));
}

TEST(GridColumnsTest, TypedCharactersAreCheckedWhereverTheyStand) {
    CGridColumns columns = Sample();
    EXPECT_EQ(U8(columns.CheckText(1, "12345.")), "");
    EXPECT_EQ(U8(columns.CheckText(1, "123456.")), Utf8(u8"桁数オーバーです"));
    EXPECT_EQ(U8(columns.CheckText(1, ".5")), Utf8(u8"文字入力エラーです"));
    EXPECT_EQ(U8(columns.CheckText(0, "1-2")), Utf8(u8"文字入力エラーです"));
    EXPECT_EQ(U8(columns.CheckText(0, "1.2")), Utf8(u8"小数点は入力できません"));
    EXPECT_EQ(U8(columns.CheckText(0, "123456")), Utf8(u8"桁数オーバーです"));
    EXPECT_EQ(U8(columns.CheckText(1, "1.2.3")), Utf8(u8"文字入力エラーです（編集時）"));
    EXPECT_EQ(U8(columns.CheckText(1, "1a")), Utf8(u8"文字入力エラーです"));
    EXPECT_EQ(U8(columns.CheckText(2, "E5")), Utf8(u8"文字入力エラーです"));
    EXPECT_EQ(U8(columns.CheckText(2, "1.5E-3")), "");
    EXPECT_EQ(U8(columns.CheckText(2, "1.5E")), "");
    EXPECT_EQ(U8(columns.CheckText(2, "1.5-3")), Utf8(u8"文字入力エラーです（編集時）"));
    EXPECT_EQ(U8(columns.CheckText(2, "-E3")), Utf8(u8"文字入力エラーです（編集時）"));
    EXPECT_EQ(U8(columns.CheckText(1, "-")), "");
    EXPECT_EQ(U8(columns.CheckText(1, "   ")), "");
}

TEST(GridColumnsTest, TextColumnsCountBytesAndNeverCutACharacter) {
    CGridColumns columns = Sample();
    EXPECT_EQ(U8(columns.CheckText(3, CString(u8"地点Ａ"))), "");                          // 6 bytes
    EXPECT_EQ(U8(columns.CheckText(3, CString(u8"地点Ａ1"))), Utf8(u8"桁数オーバーです")); // 7 bytes
    EXPECT_EQ(U8(columns.CheckText(3, CString(u8"ab地点Ａ"))), Utf8(u8"桁数オーバーです"));
}

TEST(GridColumnsTest, StoringTextsSetsAndUnsetsCells) {
    CGridColumns columns = Sample();
    std::unique_ptr<CGridData> row(columns.NewRow());
    columns.StoreText(*row, 0, "42");
    EXPECT_EQ(row->IntCell(0), 42);
    columns.StoreText(*row, 0, "-");
    EXPECT_TRUE(platform::IsUnsetInt(row->IntCell(0)));
    columns.StoreText(*row, 1, "12.5");
    columns.StoreText(*row, 1, "-.");
    EXPECT_DOUBLE_EQ(row->RealCell(0), 12.5); // an incomplete number keeps the value
    columns.StoreText(*row, 1, "");
    EXPECT_TRUE(platform::IsUnsetDouble(row->RealCell(0)));
    columns.StoreText(*row, 2, "2.5e3");
    EXPECT_DOUBLE_EQ(row->ExponentCell(0), 2500.0);
    columns.StoreText(*row, 3, CString(u8"地点"));
    EXPECT_EQ(row->TextCell(0), CString(u8"地点"));
    EXPECT_FALSE(row->IsEmptyRow());
}

TEST(GridColumnsTest, RangesAreCheckedWithTheirMessages) {
    CGridColumns columns = Sample();
    std::unique_ptr<CGridData> row(columns.NewRow());
    EXPECT_EQ(U8(columns.CheckRange(*row, 0)), "");
    row->IntCell(0) = 0;
    EXPECT_EQ(U8(columns.CheckRange(*row, 0)), Utf8(u8"1～9999 範囲を入力してください"));
    row->RealCell(0) = 1e7;
    EXPECT_EQ(U8(columns.CheckRange(*row, 1)), Utf8(u8"-99999.000000～999999.000000 範囲を入力してください"));
    row->ExponentCell(0) = 1e-6;
    EXPECT_EQ(U8(columns.CheckRange(*row, 2)), Utf8(u8"1.000000e-05～1.000000e+05 範囲を入力してください"));
    CGridColumns wide;
    wide.Parse({CString("W 30 30 6 -99999999999999999999 99999999999999999999")});
    std::unique_ptr<CGridData> big(wide.NewRow());
    big->RealCell(0) = 1e30;
    EXPECT_EQ(U8(wide.CheckRange(*big, 0)), Utf8(u8"入力値の許容範囲エラー"));
}

} // namespace
