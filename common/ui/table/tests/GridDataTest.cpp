#include "common/ui/table/CGridData.h"

#include "common/records/CClipboardFile.h"
#include "platform/core/CException.h"
#include "platform/core/Clipboard.h"
#include "platform/core/Unset.h"

#include <gtest/gtest.h>

namespace {

TEST(GridDataTest, AllocatedRowsStartUnsetAndEmptyCountsLeaveNoArrays) {
    CGridData none;
    none.Allocate(0, 0, 0, 0);
    EXPECT_EQ(none.GetIntArray(), nullptr);
    EXPECT_EQ(none.GetRealArray(), nullptr);
    EXPECT_EQ(none.GetExponentArray(), nullptr);
    EXPECT_EQ(none.GetTextArray(), nullptr);
    EXPECT_TRUE(none.IsEmptyRow());
    CGridData row;
    row.Allocate(2, 1, 2, 1);
    EXPECT_TRUE(platform::IsUnsetInt(row.GetIntArray()[1]));
    EXPECT_EQ(row.GetExponentArray(), row.GetRealArray() + 1); // reals first, then exponent reals
    EXPECT_TRUE(platform::IsUnsetDouble(row.GetExponentArray()[1]));
    EXPECT_TRUE(row.IsEmptyRow());
    row.TextCell(0) = "x";
    EXPECT_FALSE(row.IsEmptyRow());
}

TEST(GridDataTest, RowsTravelThroughTheClipboardFileWithEmptyTextsKept) {
    const UINT format = RegisterClipboardFormat("GridDataTest");
    CGridData row;
    row.Allocate(1, 1, 1, 2);
    row.IntCell(0) = -7;
    row.ExponentCell(0) = 2.5e-9;
    row.TextCell(0) = "";
    row.TextCell(1) = "abc";
    {
        CClipboardFile file;
        ASSERT_EQ(file.Open(format, CFile::modeWrite, 512), 1);
        EXPECT_EQ(row.WriteTo(file, 1, 1, 1, 2), 1);
        EXPECT_EQ(row.WriteTo(file, 2, 1, 1, 2), 0); // counts of another table
        file.Close();
    }
    CClipboardFile file;
    ASSERT_EQ(file.Open(format, 0, 512), 1);
    CGridData back;
    EXPECT_EQ(back.ReadFrom(file, 1, 1, 1, 2), 1);
    EXPECT_EQ(back.IntCell(0), -7);
    EXPECT_TRUE(platform::IsUnsetDouble(back.RealCell(0)));
    EXPECT_EQ(back.ExponentCell(0), 2.5e-9);
    EXPECT_EQ(back.TextCell(0), CString(""));
    EXPECT_EQ(back.TextCell(1), CString("abc"));
}

TEST(GridDataTest, ATextTooLongForTheClipboardIsNotWritten) {
    const UINT format = RegisterClipboardFormat("GridDataTest");
    CGridData row;
    row.Allocate(0, 0, 0, 1);
    row.TextCell(0) = CString('x', 129);
    CClipboardFile file;
    ASSERT_EQ(file.Open(format, CFile::modeWrite, 512), 1);
    EXPECT_EQ(row.WriteTo(file, 0, 0, 0, 1), 0);
}

} // namespace
