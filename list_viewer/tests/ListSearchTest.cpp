#include "ListTestFiles.h"
#include "testsupport/Fixtures.h"
#include "testsupport/TempDir.h"

#include "list_viewer/core/CLineIndex.h"
#include "list_viewer/core/CListPager.h"
#include "list_viewer/core/CListSearch.h"
#include "list_viewer/core/PageRows.h"

#include "platform/core/CodePage.h"
#include "platform/core/RecordingSink.h"

#include <gtest/gtest.h>

namespace wenux {
namespace {

using platform::Utf8;

const std::string kNotFound = Utf8(u8"文字列が見つかりません !!!");
const std::string kAskRestart = Utf8(u8"文字列が見つかりません。\n先頭から再検索しますか？");

class ListSearchTest : public testsupport::TempDirTest {
protected:
    void Build(const std::string& bytes, int documentType) {
        type_ = documentType;
        const CString list = dir_.Write(documentType == kResultList ? "a.lst" : "a.log", bytes);
        ASSERT_TRUE(index_.OpenListFile(list, LinesPerPageOf(documentType)));
        sink_.Clear();
    }
    SearchOutcome Find(const std::string& text, int startLine, SearchMode mode = SearchMode::kFromCurrent) {
        return CListSearch(index_, type_).Search(CString(text), startLine, mode);
    }

    CLineIndex index_;
    int type_ = kCalculationLog;
};

TEST_F(ListSearchTest, FindsTheFirstLineAtOrAfterTheStart) {
    Build("alpha\r\nbeta\r\ngamma beta\r\n", kCalculationLog);
    EXPECT_EQ(Find("beta", 1).line, 2);
    EXPECT_EQ(Find("beta", 3).line, 3);
    EXPECT_EQ(sink_.MessageCount(), 0);
}

TEST_F(ListSearchTest, HitOnTheLastLineOfALogIsFound) {
    Build("a\r\nb\r\nlast\r\n", kCalculationLog);
    SearchOutcome outcome = Find("last", 1);
    EXPECT_EQ(outcome.kind, SearchOutcome::kFound);
    EXPECT_EQ(outcome.line, 3);
}

TEST_F(ListSearchTest, ResultListLinesAreCountedWithoutTheHeader) {
    Build("HEAD key\r\nrow1\r\nrow2 key\r\n", kResultList);
    SearchOutcome outcome = Find("key", 1);
    EXPECT_EQ(outcome.kind, SearchOutcome::kFound);
    EXPECT_EQ(outcome.line, 2);
}

TEST_F(ListSearchTest, OverprintedTextIsNotAHitAndTheSearchGoesOn) {
    Build("ABC\r XYZ\r\nplain\r\nXYZ here\r\n", kCalculationLog);
    EXPECT_EQ(Find("XYZ", 1).line, 3);
}

TEST_F(ListSearchTest, MatchAcrossALineEndIsNotAHit) {
    Build("ab\r\ncd\r\n", kCalculationLog);
    EXPECT_EQ(Find("b\r\nc", 1).kind, SearchOutcome::kNotFound);
    EXPECT_EQ(sink_.LastMessageUtf8(), kNotFound);
}

TEST_F(ListSearchTest, NeverMatchesAcrossADoubleByteCharacterBoundary) {
    // "漢字" is 8A BF 8E 9A: the bytes BF 8E straddle the two characters; line 2 holds
    // the half-width kana BF followed by the character 8E 9A as a real match.
    const std::string kanji = platform::Utf8ToCp932(u8"漢字");
    const std::string needle = kanji.substr(1, 2);
    Build(kanji + "\r\n" + "\xBF" + kanji.substr(2) + "\r\n", kCalculationLog);
    SearchOutcome outcome = Find(needle, 1);
    EXPECT_EQ(outcome.kind, SearchOutcome::kFound);
    EXPECT_EQ(outcome.line, 2);
}

TEST_F(ListSearchTest, SearchAgainOnTheLastLineAsksToRestart) {
    Build("x\r\ny\r\nz\r\n", kCalculationLog);
    sink_.QueueAnswer(IDYES);
    EXPECT_EQ(Find("nowhere", 3).kind, SearchOutcome::kRestartFromTop);
    EXPECT_EQ(sink_.LastMessageUtf8(), kAskRestart);
    sink_.QueueAnswer(IDNO);
    EXPECT_EQ(Find("nowhere", 3).kind, SearchOutcome::kNotFound);
}

TEST_F(ListSearchTest, FromLineOneNothingIsOfferedAgain) {
    Build("x\r\ny\r\n", kCalculationLog);
    EXPECT_EQ(Find("nowhere", 1).kind, SearchOutcome::kNotFound);
    EXPECT_EQ(sink_.MessagesUtf8(), (std::vector<std::string>{kNotFound}));
}

TEST_F(ListSearchTest, FromTopStopsBeforeTheStartLine) {
    Build("one\r\nkey\r\nthree\r\nkey\r\n", kCalculationLog);
    EXPECT_EQ(Find("key", 4, SearchMode::kFromTop).line, 2);
    EXPECT_EQ(Find("three", 3, SearchMode::kFromTop).kind, SearchOutcome::kNotFound);
    EXPECT_EQ(sink_.LastMessageUtf8(), kNotFound);
}

TEST_F(ListSearchTest, FindsAcrossBlocksAndReadBuffers) {
    std::string bytes = test::NumberedLines(1500);
    bytes += "the needle\r\n";
    Build(bytes, kCalculationLog);
    SearchOutcome outcome = Find("needle", 10);
    EXPECT_EQ(outcome.line, 1501);
    CListSearch search(index_, type_);
    EXPECT_EQ(search.FindPageOfLine(1501), 13);
    EXPECT_EQ(Find("L001234", 1).line, 1234);
}

TEST_F(ListSearchTest, SearchAgainFromTheLastLineRestartsAtTheTopAndShowsTheHit) {
    std::string bytes = "key\r\n" + test::NumberedLines(300);
    Build(bytes, kCalculationLog);
    CListPager pager;
    pager.Reset(&index_);
    pager.ShowPage(2, 301);
    CListSearch search(index_, type_);
    sink_.QueueAnswer(IDYES);
    EXPECT_TRUE(SearchAndShow(search, pager, "key", 302, 301));
    EXPECT_EQ(sink_.MessagesUtf8(), (std::vector<std::string>{kAskRestart}));
    EXPECT_EQ(pager.CurrentPage(), 0);
    EXPECT_EQ(pager.TopLine(), 1);
    EXPECT_EQ(pager.Position(), 0);
    EXPECT_TRUE(SearchAndShow(search, pager, "L000250", 1, 1));
    EXPECT_EQ(pager.CurrentPage(), 2);
    EXPECT_EQ(pager.TopLine(), 251);
}

TEST(FindAtCharacterStart, SkipsTrailBytes) {
    const std::string kanji = platform::Utf8ToCp932(u8"漢字");
    EXPECT_EQ(FindAtCharacterStart(kanji, kanji.substr(1, 2)), -1);
    EXPECT_EQ(FindAtCharacterStart("a" + kanji, kanji.substr(2)), 3);
    EXPECT_EQ(FindAtCharacterStart("abc", ""), -1);
}

} // namespace
} // namespace wenux
