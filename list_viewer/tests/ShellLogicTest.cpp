// Command line, document types, paging state and the print plan.
#include "ListTestFiles.h"
#include "testsupport/Fixtures.h"
#include "testsupport/TempDir.h"

#include "list_viewer/core/CListPager.h"
#include "list_viewer/core/DocumentTypes.h"
#include "list_viewer/core/PageRows.h"
#include "list_viewer/core/PrintLayout.h"

#include "platform/core/RecordingSink.h"

#include <gtest/gtest.h>

namespace wenux {
namespace {

struct CommandLineCase {
    std::vector<CString> arguments;
    bool noDocument;
    int type;
};

// Test names carry the arguments, not a dump of the case's bytes.
void PrintTo(const CommandLineCase& c, std::ostream* out) {
    *out << '[';
    for (const CString& argument : c.arguments) {
        *out << ' ' << argument.GetString();
    }
    *out << " ]";
}

class CommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, Parses) {
    const CommandLineInfo info = ParseCommandLine(GetParam().arguments);
    EXPECT_EQ(info.noDocument, GetParam().noDocument);
    EXPECT_EQ(info.type, GetParam().type);
}

INSTANTIATE_TEST_SUITE_P(
    Start, CommandLineTest,
    ::testing::Values(CommandLineCase{{}, true, 0}, CommandLineCase{{"-E"}, true, 0},
                      CommandLineCase{{"/e"}, true, 0}, CommandLineCase{{"-x"}, false, 0},
                      CommandLineCase{{"/d/run.log"}, false, 2}, CommandLineCase{{"/d/run.LOP"}, false, 3},
                      CommandLineCase{{"/d/run.loe"}, false, 4}, CommandLineCase{{"/d/res.lst"}, false, 0},
                      CommandLineCase{{"/d/v1.2/run.log"}, false, 0}));

TEST(CommandLine, BlankSeparatedArgumentsFormOnePath) {
    EXPECT_EQ(ParseCommandLine({"/d/my", "run.log"}).path, CString("/d/my run.log"));
    EXPECT_EQ(StripQuotes("\"/d/a.log\""), CString("/d/a.log"));
}

TEST(DocumentTypes, TemplateFollowsTheExtensionElseTheFirst) {
    EXPECT_EQ(TemplateForPath("/d/v1.2/run.log").type, kCalculationLog);
    EXPECT_EQ(TemplateForPath("/d/A.LOP").type, kDrawingLog);
    EXPECT_EQ(TemplateForPath("/d/notes.txt").type, kResultList);
    EXPECT_EQ(LogTypeFromPath("/d/A.LOP"), kDrawingLog);
    EXPECT_EQ(DocumentTypeOf(LogTypeFromPath("/d/A.LOP")).lineWidth, 102);
    EXPECT_EQ(LogTypeFromPath("/d/a.loe"), kEditErrorLog);
}

class PagerTest : public testsupport::TempDirTest {
protected:
    void Build(int lines, int type = kCalculationLog) {
        ASSERT_TRUE(index_.OpenListFile(dir_.Write("a.log", test::NumberedLines(lines)).c_str(),
                                        LinesPerPageOf(type)));
        pager_.Reset(&index_);
    }
    CLineIndex index_;
    CListPager pager_;
};

TEST_F(PagerTest, OnePageStepsStayOnPageZero) {
    Build(10);
    EXPECT_EQ(pager_.PageStep(), 30000);
    pager_.OnVScroll(ScrollCode::kPageDown);
    EXPECT_EQ(pager_.CurrentPage(), 0);
    pager_.OnVScroll(ScrollCode::kPageUp);
    EXPECT_EQ(pager_.CurrentPage(), 0);
}

TEST_F(PagerTest, LinesMoveWithinAndAcrossPages) {
    Build(300); // pages {1,112} {113,225} {226,300}
    EXPECT_EQ(pager_.OnVScroll(ScrollCode::kLineDown).scrollRows, -1);
    EXPECT_EQ(pager_.TopLine(), 2);
    pager_.ShowPage(0, 112);
    ScrollEffect effect = pager_.OnVScroll(ScrollCode::kLineDown);
    EXPECT_EQ(pager_.CurrentPage(), 1);
    EXPECT_EQ(pager_.TopLine(), 113);
    EXPECT_EQ(pager_.Position(), 10000);
    EXPECT_TRUE(effect.pageTextChanged);
    pager_.OnVScroll(ScrollCode::kLineUp);
    EXPECT_EQ(pager_.CurrentPage(), 0);
    EXPECT_EQ(pager_.TopLine(), 112);
}

TEST_F(PagerTest, LineDownOnTheLastLineChangesNothing) {
    Build(300);
    pager_.ShowPage(2, 300);
    ScrollEffect effect = pager_.OnVScroll(ScrollCode::kLineDown);
    EXPECT_EQ(effect.scrollRows, 0);
    EXPECT_FALSE(effect.positionChanged);
    EXPECT_EQ(pager_.Position(), 20000);
    EXPECT_EQ(pager_.TopLine(), 300);
}

TEST_F(PagerTest, LastPageOfAPartialIndexShowsItsOwnLastLines) {
    Build(500001); // stops at 500,000 lines; the last page closes before that
    const PageRecord& last = index_.Page(index_.PageCount() - 1);
    ASSERT_LT(last.lastLine, index_.LineCount());
    ASSERT_TRUE(pager_.JumpToLast());
    EXPECT_EQ(pager_.TopLine(), last.lastLine - 3);
    Build(300);
    ASSERT_TRUE(pager_.JumpToLast());
    EXPECT_EQ(pager_.TopLine(), 297);
}

TEST_F(PagerTest, ThumbTopAndBottom) {
    Build(300);
    pager_.OnVScroll(ScrollCode::kThumbPosition, 15000);
    EXPECT_EQ(pager_.CurrentPage(), 1);
    EXPECT_EQ(pager_.TopLine(), 113);
    pager_.OnVScroll(ScrollCode::kBottom);
    EXPECT_EQ(pager_.CurrentPage(), 2);
    pager_.OnVScroll(ScrollCode::kTop);
    EXPECT_EQ(pager_.TopLine(), 1);
}

TEST_F(PagerTest, Jumps) {
    Build(1300);
    ASSERT_EQ(pager_.PageCount(), 12);
    EXPECT_TRUE(pager_.JumpToEnteredPage(500));
    EXPECT_EQ(pager_.CurrentPage(), 11);
    EXPECT_FALSE(pager_.JumpToNext());
    EXPECT_TRUE(pager_.JumpToLast());
    EXPECT_EQ(pager_.TopLine(), 1297);
    EXPECT_TRUE(pager_.JumpToFirst());
    EXPECT_FALSE(pager_.JumpToPrevious());
}

TEST(PrintPlan, ThreePagesTwoPerSheet) {
    const std::vector<PrintStep> steps = PlanPrintRun(1, 3, 1, 3, true);
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_TRUE(steps[0].startsSheet && !steps[0].endsSheet && !steps[0].lowerHalf);
    EXPECT_TRUE(!steps[1].startsSheet && steps[1].endsSheet && steps[1].lowerHalf);
    EXPECT_TRUE(steps[2].startsSheet && steps[2].endsSheet && !steps[2].lowerHalf);
}

TEST(PrintPlan, DownwardsAndClamped) {
    std::vector<int> pages;
    for (const PrintStep& s : PlanPrintRun(5, 2, 1, 9, false)) {
        pages.push_back(s.page);
        EXPECT_TRUE(s.startsSheet && s.endsSheet);
    }
    EXPECT_EQ(pages, (std::vector<int>{5, 4, 3, 2}));
    EXPECT_EQ(PlanPrintRun(0, 99, 1, 3, false).size(), 3u);
}

TEST(PrintPlan, LayoutAndSheetRules) {
    EXPECT_TRUE(SharesSheets(kResultList, true));
    EXPECT_TRUE(SharesSheets(kDrawingLog, true));
    EXPECT_FALSE(SharesSheets(kDrawingLog, false));
    EXPECT_TRUE(RequiresPortrait(kCalculationLog));
    EXPECT_FALSE(RequiresPortrait(kDrawingLog));
    // A4 portrait at 600 dpi, landscape result list: 68 rows.
    const PrintLayout layout = ComputePrintLayout(600, 600, 7016, 4960, kResultList, false, 110);
    EXPECT_EQ(layout.marginY, 200);
    EXPECT_EQ(layout.rowsPerSheet, 68);
    EXPECT_EQ(layout.cellHeight, (4960 - 400) / 68);
    EXPECT_EQ(layout.cellWidth, std::min((7016 - 400) / 110, static_cast<int>(layout.cellHeight * 0.6)));
    EXPECT_EQ(ComputePrintLayout(600, 600, 4960, 7016, kResultList, true, 110).rowsPerSheet, 115);
    EXPECT_EQ(ComputePrintLayout(600, 600, 4960, 7016, kCalculationLog, false, 82).rowsPerSheet, 112);
    EXPECT_EQ(PageHeaderRow(12, 10), "      P.12");
}

} // namespace
} // namespace wenux
