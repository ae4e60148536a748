#include "ListTestFiles.h"
#include "testsupport/Fixtures.h"
#include "testsupport/TempDir.h"

#include "list_viewer/core/DocumentTypes.h"
#include "list_viewer/core/DrawPlan.h"
#include "list_viewer/core/PageRows.h"
#include "list_viewer/core/ViewGeometry.h"

#include "platform/core/CodePage.h"
#include "platform/core/RecordingSink.h"

#include <gtest/gtest.h>

namespace wenux {
namespace {

class DrawPlanTest : public testsupport::TempDirTest {
protected:
    void Build(const std::string& bytes, int linesPerPage = 112) {
        ASSERT_TRUE(index_.OpenListFile(dir_.Write("a.lop", bytes).c_str(), linesPerPage));
    }
    std::vector<std::pair<int, int>> Rows(const DrawPlan& plan) {
        std::vector<std::pair<int, int>> rows;
        for (const PlannedRow& row : plan.rows) {
            rows.emplace_back(row.line, row.pageMark);
        }
        return rows;
    }
    CLineIndex index_;
};

TEST_F(DrawPlanTest, ScreenRowsRunIntoTheNextPageWithItsMark) {
    Build("a\r\nb\r\fc\r\nd\r\n"); // pages {1,1} {2,4}
    const DrawPlan plan = PlanDrawPage(index_, 0, 0, 5, 1, true);
    // Page 0 holds one line, so it gets no mark; page 1's first row does.
    EXPECT_EQ(Rows(plan), (std::vector<std::pair<int, int>>{{1, -1}, {2, 1}, {3, -1}, {4, -1}}));
}

TEST_F(DrawPlanTest, FirstRowOfALongerPageCarriesItsMark) {
    Build(test::NumberedLines(120), 55); // {1,55} {56,111} {112,120}
    const DrawPlan plan = PlanDrawPage(index_, 1, 0, 3, 56, true);
    EXPECT_EQ(Rows(plan), (std::vector<std::pair<int, int>>{{56, 1}, {57, -1}, {58, -1}, {59, -1}}));
    const DrawPlan tail = PlanDrawPage(index_, 2, 9, 20, 112, true);
    EXPECT_EQ(tail.markOnlyPage, 2);
    EXPECT_TRUE(tail.rows.empty());
}

TEST_F(DrawPlanTest, PrintingDrawsThePageOnlyWithoutMarks) {
    Build(test::NumberedLines(120), 55);
    const DrawPlan plan = PlanDrawPage(index_, 1, 0, kAllRows, 1, false);
    ASSERT_EQ(plan.rows.size(), 56u);
    EXPECT_EQ(plan.rows.front().line, 56);
    EXPECT_EQ(plan.rows.back().line, 111);
    EXPECT_EQ(plan.rows.front().pageMark, -1);
}

TEST(DrawRange, RowsOfTheClipBox) {
    // Scrolled to y 1000, top line 12 of a page starting at line 10, rows 20 high.
    const DrawRange range = ComputeDrawRange(999, 1401, 1000, 12, 10, 20);
    EXPECT_EQ(range.y0, 960);
    EXPECT_EQ(range.firstRow, 0); // one row above the clip is drawn again
    EXPECT_EQ(range.rowCount, (1401 - 960) / 20 + 1);
    EXPECT_EQ(ComputeDrawRange(1099, 1401, 1000, 12, 10, 20).firstRow, (1099 - 960) / 20 - 1);
    EXPECT_EQ(ComputeDrawRange(900, 1401, 1000, 10, 10, 20).firstRow, 0);
}

TEST(Texts, PageTextIsCutWithoutHalvingACharacter) {
    const CString path(platform::Utf8ToCp932(std::string(52, 'd') + "/漢字漢字漢字.log"));
    const CString text = FormatPageText(0, 3, path);
    EXPECT_LE(text.GetLength(), 78);
    EXPECT_EQ(platform::Cp932ToUtf8(text.str()).find("\xEF\xBF\xBD"), std::string::npos);
    EXPECT_EQ(FormatPageText(1, 3, "/d/a.log"), CString(u8" ﾍﾟｰｼﾞ 2(3)  ﾌｧｲﾙ /d/a.log"));
    EXPECT_EQ(FormatPageStatus(12), CString("PAGE=    12"));
    EXPECT_EQ(FormatLineStatus(1234567), CString("LINE=1234567"));
}

TEST(Texts, FrameTitleKeepsThePathAsItIs) {
    // Linux names are case-sensitive: a raised "/D/RUN.LOG" would name another file.
    const std::string so = platform::Utf8ToCp932(u8"ソ"); // 83 5C: trail byte is a backslash
    const std::string kana = platform::Utf8ToCp932(u8"ａ");
    EXPECT_EQ(FormatFrameTitle(CString(u8"計算実行ﾛｸﾞ -"), CString("/d/" + kana + "run.log")),
              CString(u8"計算実行ﾛｸﾞ -") + CString("/d/" + kana + "run.log"));
    EXPECT_EQ(FormatFrameTitle("", CString(so + "a")), CString(so + "a"));
}

} // namespace
} // namespace wenux

namespace wenux {
namespace {

TEST(ViewGeometry, ResultListWidensTheMainFrameOnlyWhenStartedWithAFile) {
    // 110 columns of 8 pixels and the page mark's 7, scroll bar 16, frame 4: (117 * 8) + 16 + 8 = 960.
    ChildWindowSize size = ComputeChildWindowSize(kResultList, 110, 8, 16, 800, 600, 16, 4, true, 820);
    EXPECT_EQ(size.width, 960);
    EXPECT_TRUE(size.widenMainFrame);
    EXPECT_EQ(size.mainFrameWidth, 960 + 8 + 26);
    EXPECT_EQ(size.height, 575);
    size = ComputeChildWindowSize(kResultList, 110, 8, 16, 800, 600, 16, 4, false, 820);
    EXPECT_FALSE(size.widenMainFrame);
    EXPECT_EQ(size.width, 775);
}

TEST(ViewGeometry, LogWindowIsTwentyRowsHigh) {
    const ChildWindowSize size = ComputeChildWindowSize(kDrawingLog, 102, 8, 16, 2000, 1000, 16, 4, false, 0);
    EXPECT_EQ(size.width, 109 * 8 + 24);
    EXPECT_EQ(size.height, 320);
}

// The page mark is drawn after the row's end (2-pixel margin, 1 pixel past the row): a log of
// 100,000 lines has pages in the thousands, whose marks must show whole.
TEST(ViewGeometry, TheViewHasRoomForAFourDigitPageMark) {
    for (const DocumentTypeInfo& type : DocumentTypes()) {
        for (int textWidth : {6, 8, 13}) {
            const ChildWindowSize size = ComputeChildWindowSize(type.type, type.lineWidth, textWidth, 16,
                                                                4000, 1000, 16, 4, false, 4000);
            const int markEnd = 2 + type.lineWidth * textWidth + 1 + 6 * textWidth; // "P.9999"
            EXPECT_GE(size.width - 16 - 2 * 4, markEnd) << type.type << " " << textWidth;
        }
    }
}

TEST(ViewGeometry, ScrollSizesAndCentring) {
    const ScrollSizes sizes = ComputeScrollSizes(8, 3);
    EXPECT_EQ(sizes.totalWidth, 1120);
    EXPECT_EQ(sizes.pageHeight, 10000);
    EXPECT_EQ(sizes.lineWidth, 11);
    EXPECT_EQ(ComputeScrollSizes(8, 1).pageHeight, 30000);
    const ScreenRect centred = CenterOnScreen({0, 0, 1200, 700}, 1024, 768);
    EXPECT_EQ(centred.left, 0);
    EXPECT_EQ(centred.top, 34);
}

} // namespace
} // namespace wenux
