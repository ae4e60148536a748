#include "common/records/TextHelpers.h"
#include "common/records/ContainerHelpers.h"
#include "common/records/Extent.h"
#include "platform/core/CodePage.h"

#include <gtest/gtest.h>

TEST(TextHelpers, PadWithBlanksOnlyGrows) {
    CString text("ab");
    PadWithBlanks(text, 5);
    EXPECT_EQ(text, "ab   ");
    PadWithBlanks(text, 3);
    EXPECT_EQ(text, "ab   ");
    char buffer[8] = "xy";
    PadWithBlanks(buffer, 4);
    EXPECT_STREQ(buffer, "xy  ");
}

TEST(TextHelpers, NormalizeBlanksOnlyWhenTheTextEndsInABlank) {
    CString text("  ab c  ");
    EXPECT_EQ(NormalizeBlanks(text), 4);
    EXPECT_EQ(text, "ab c");
    CString leading("  ab");
    EXPECT_EQ(NormalizeBlanks(leading), 4);
    EXPECT_EQ(leading, "  ab");
    CString blanks("   ");
    EXPECT_EQ(NormalizeBlanks(blanks), 0);
}

TEST(TextHelpers, SplitPathAnyOutputMayBeOmitted) {
    CString dir;
    CString name;
    CString ext;
    SplitPath("/data/My Site.v2/slope.SEC", &dir, &name, &ext);
    EXPECT_EQ(dir, "/data/My Site.v2/");
    EXPECT_EQ(name, "slope");
    EXPECT_EQ(ext, ".SEC");
    SplitPath("noext", &dir, &name, nullptr);
    EXPECT_EQ(dir, "");
    EXPECT_EQ(name, "noext");
    SplitPath("/a/b.", nullptr, nullptr, &ext);
    EXPECT_EQ(ext, ".");
}

TEST(TextHelpers, FullWidthFormsOfAsciiAndHalfWidthKana) {
    CString out;
    EXPECT_EQ(ToFullWidth(CString(u8"A1 ｶﾞ断"), out), 1);
    EXPECT_EQ(platform::Cp932ToUtf8(out.str()), platform::Cp932ToUtf8(CString(u8"Ａ１　カ゛断").str()));
}

TEST(TextHelpers, SingleByteTextAndCutting) {
    EXPECT_EQ(IsSingleByteText(CString(u8"abc ｱｲ")), 1); // half-width kana are single bytes
    EXPECT_EQ(IsSingleByteText(CString(u8"a断")), 0);
    CString name(u8"abc断面");
    EXPECT_EQ(CutToWidth(name, 4), "abc"); // never half of a double-byte character
    EXPECT_EQ(CutToWidth(name, 5), CString(u8"abc断"));
    EXPECT_EQ(CutToWidth(name, 0), "");
}

TEST(TextHelpers, AppendOneToEachCharAndDuplicate) {
    CString text("ab");
    EXPECT_EQ(AppendOneToEachChar(text), 4);
    EXPECT_EQ(text, "a1b1");
    char* copy = DuplicateString("xyz");
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy, "xyz");
    delete[] copy;
}

TEST(Extent, StartThenGrow) {
    CRect rect(9, 9, 9, 9);
    ExpandExtent(rect, 5, 6, true);
    EXPECT_EQ(rect, CRect(5, 6, 5, 6));
    ExpandExtent(rect, 1, 10, false);
    ExpandExtent(rect, 7, 2, false);
    EXPECT_EQ(rect, CRect(1, 2, 7, 10));
    double low = 5;
    double high = 5;
    UpdateMinMax(3.0, low, high);
    UpdateMinMax(8.0, low, high);
    EXPECT_EQ(low, 3.0);
    EXPECT_EQ(high, 8.0);
}

namespace {
int g_destroyed = 0;
class Counted : public CObject {
public:
    ~Counted() override { ++g_destroyed; }
};
} // namespace

TEST(ContainerHelpers, DeleteEveryObjectAndEmpty) {
    g_destroyed = 0;
    CObList list;
    list.AddTail(new Counted);
    list.AddTail(new Counted);
    DeleteAllObjects(list);
    EXPECT_TRUE(list.IsEmpty());
    CMapWordToOb map;
    map.SetAt(3, new Counted);
    DeleteAllMapObjects(map);
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(g_destroyed, 3);
    CPtrList ptrs;
    ptrs.AddTail(new double(1));
    DeleteAllPtrs<double>(ptrs);
    EXPECT_TRUE(ptrs.IsEmpty());
}
