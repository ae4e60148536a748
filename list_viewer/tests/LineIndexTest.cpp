#include "ListTestFiles.h"
#include "testsupport/FileBytes.h"
#include "testsupport/Fixtures.h"
#include "testsupport/TempDir.h"

#include "list_viewer/core/CLineIndex.h"
#include "list_viewer/core/PageRows.h"

#include "platform/core/CodePage.h"
#include "platform/core/RecordingSink.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace wenux {
namespace {

using Pages = std::vector<std::pair<int, int>>;
using platform::Utf8;

const std::string kPartial = Utf8(u8"行数又は頁数が大き過ぎるため、途中までしか表示できません");

class LineIndexTest : public testsupport::TempDirTest {
protected:
    bool Build(const std::string& bytes, int documentType, const char* name = "list.log") {
        listPath_ = dir_.Write(name, bytes);
        return Open(documentType);
    }
    bool Open(int documentType) {
        type_ = documentType;
        return index_.OpenListFile(listPath_, LinesPerPageOf(documentType));
    }
    Pages PagesOf() const {
        Pages pages;
        for (int p = 0; p < index_.PageCount(); ++p) {
            pages.emplace_back(index_.Page(p).firstLine, index_.Page(p).lastLine);
        }
        return pages;
    }
    std::vector<std::string> Rows(int page) {
        std::vector<std::string> rows;
        EXPECT_TRUE(ReadPageRows(index_, type_, page, rows));
        return rows;
    }
    std::int64_t Offset(int line) {
        std::int64_t offset = -1;
        EXPECT_TRUE(index_.GetAddrFromLine(line, offset));
        return offset;
    }

    CLineIndex index_;
    CString listPath_;
    int type_ = kCalculationLog;
};

struct PagingCase {
    const char* name;
    std::string bytes;
    int documentType;
    int lineCount;
    Pages pages;
};

// Test names carry the case's name, not a dump of its bytes.
void PrintTo(const PagingCase& c, std::ostream* out) {
    *out << c.name;
}

class PagingTest : public LineIndexTest, public ::testing::WithParamInterface<PagingCase> {};

TEST_P(PagingTest, PagesAndLineCount) {
    const PagingCase& c = GetParam();
    ASSERT_TRUE(Build(c.bytes, c.documentType));
    EXPECT_EQ(index_.LineCount(), c.lineCount);
    EXPECT_EQ(PagesOf(), c.pages);
}

INSTANTIATE_TEST_SUITE_P(
    Scanner, PagingTest,
    ::testing::Values(
        PagingCase{"CounterOpensPagesOf56",
                   test::NumberedLines(120),
                   kResultList,
                   120,
                   {{1, 55}, {56, 111}, {112, 120}}},
        PagingCase{"RunLogPagesOf112And113",
                   test::NumberedLines(300),
                   kCalculationLog,
                   300,
                   {{1, 112}, {113, 225}, {226, 300}}},
        PagingCase{"FormFeedLineOpensNextPage", "A\r\nB\r\fC\r\n", kDrawingLog, 3, {{1, 1}, {2, 3}}},
        PagingCase{"LoneLineFeedEndsNothing", "A\nB\r\n", kCalculationLog, 1, {{1, 1}}},
        PagingCase{"CrFollowedByOtherByteEndsNothing", "A\rB\r\n", kCalculationLog, 1, {{1, 1}}},
        PagingCase{"FinalLineWithoutEndIsNotCounted", "A\r\nB", kCalculationLog, 1, {{1, 1}}},
        PagingCase{"TrailingFormFeedGivesOneLinePage", "A\r\nB\r\f", kDrawingLog, 2, {{1, 1}, {2, 2}}},
        PagingCase{"OneLine", "A\r\n", kCalculationLog, 1, {{1, 1}}},
        PagingCase{"LinefeedOnlyFileIsOneUnendedLine", "a\nb\nc\n", kCalculationLog, 0, {{1, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LineIndexTest, EmptyFileHasOnePageOfNoLineAndSaysSo) {
    ASSERT_TRUE(Build("", kCalculationLog));
    EXPECT_EQ(index_.LineCount(), 0);
    EXPECT_EQ(PagesOf(), (Pages{{1, 0}}));
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"リスト･ファイル内にデータが１行もありません"));
}

TEST_F(LineIndexTest, TwoHundredLinesFillOneBlockAndStoreTheEndOffsetInTheNext) {
    ASSERT_TRUE(Build(test::NumberedLines(200), kCalculationLog));
    ASSERT_EQ(index_.BlockCount(), 2);
    EXPECT_EQ(index_.Block(0).lastLine, 200);
    EXPECT_EQ(index_.Block(1).firstLine, 201);
    EXPECT_EQ(index_.Block(1).pointerPosition, 800);
    EXPECT_EQ(Offset(200), 199 * 9);
    EXPECT_EQ(Offset(201), 200 * 9);
    EXPECT_EQ(index_.PointerFile().GetLength(), 1600);
}

TEST_F(LineIndexTest, TwoHundredAndOneLines) {
    ASSERT_TRUE(Build(test::NumberedLines(201), kCalculationLog));
    EXPECT_EQ(index_.LineCount(), 201);
    ASSERT_EQ(index_.BlockCount(), 2);
    EXPECT_EQ(index_.Block(1).lastLine, 201);
    EXPECT_EQ(Offset(201), 200 * 9);
    EXPECT_EQ(Offset(202), 201 * 9);
}

TEST_F(LineIndexTest, LogRowsAcrossAFormFeed) {
    ASSERT_TRUE(Build("A\r\nB\r\fC\r\n", kCalculationLog));
    EXPECT_EQ(Rows(0), (std::vector<std::string>{"A"}));
    EXPECT_EQ(Rows(1), (std::vector<std::string>{"B", "C"}));
}

TEST_F(LineIndexTest, ResultListHidesItsHeaderAndEndsWithAnEmptyRow) {
    ASSERT_TRUE(Build("A\r\nB\r\fC\r\n", kResultList, "list.lst"));
    EXPECT_EQ(Rows(0), (std::vector<std::string>{"B"}));
    EXPECT_EQ(Rows(1), (std::vector<std::string>{"C", ""}));
}

TEST_F(LineIndexTest, JapaneseRunLogFromDataFile) {
    ASSERT_TRUE(Build(test::DataFile("run_with_formfeed.log"), kCalculationLog));
    EXPECT_EQ(PagesOf(), (Pages{{1, 4}, {5, 8}}));
    std::vector<std::string> rows = Rows(1);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(platform::Cp932ToUtf8(rows[0]), Utf8(u8"計算終了"));
    EXPECT_EQ(platform::Cp932ToUtf8(rows[1]), Utf8(u8"第２頁  スライス表"));
}

TEST_F(LineIndexTest, ResultListDataFile) {
    ASSERT_TRUE(Build(test::DataFile("result.lst"), kResultList, "result.lst"));
    std::vector<std::string> rows = Rows(0);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(platform::Cp932ToUtf8(rows[0]), Utf8(u8" 節点   X座標   Z座標"));
    EXPECT_EQ(platform::Cp932ToUtf8(rows[3]), Utf8(u8" 結果 終わり"));
    EXPECT_EQ(rows[4], "");
}

TEST_F(LineIndexTest, OverprintSkipsTheCoveredBytes) {
    ASSERT_TRUE(Build(test::DataFile("overprint.log"), kCalculationLog));
    std::vector<std::string> rows = Rows(0);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], "ABCGHI");
    EXPECT_EQ(platform::Cp932ToUtf8(rows[1]), Utf8(u8"次の行"));
}

TEST_F(LineIndexTest, LongLineIsAnEmptyRowFollowedByItsRemainder) {
    ASSERT_TRUE(Build(std::string(139, 'x') + "\r\n" + std::string(150, 'y') + "\r\nz\r\n", kCalculationLog));
    std::vector<std::string> rows;
    ASSERT_TRUE(ReadRows(index_, 1, 5, rows));
    EXPECT_EQ(rows, (std::vector<std::string>{"", "", "", std::string(11, 'y'), "z"}));
}

TEST_F(LineIndexTest, RowCutAtTheLimitNeverSplitsADoubleByteCharacter) {
    // 138 ASCII bytes, then a two-byte character that straddles the 139-byte limit.
    const std::string kanji = platform::Utf8ToCp932(u8"漢");
    ASSERT_TRUE(Build(std::string(138, 'x') + kanji + "\r\n", kCalculationLog));
    std::vector<std::string> rows;
    ASSERT_TRUE(ReadRows(index_, 1, 2, rows));
    EXPECT_EQ(rows[0], "");
    EXPECT_EQ(rows[1], kanji);
}

TEST_F(LineIndexTest, PageLimitKeepsTenThousandReadablePages) {
    std::string bytes;
    for (int i = 1; i <= 10005; ++i) {
        bytes += "P" + std::to_string(i) + "\r\f";
    }
    ASSERT_TRUE(Build(bytes, kResultList, "many.lst"));
    EXPECT_EQ(index_.PageCount(), CLineIndex::kMaxPage);
    EXPECT_EQ(sink_.MessagesUtf8(), (std::vector<std::string>{kPartial}));
    // Every line closes the page before it, so the first page is {1, 0}.
    EXPECT_EQ(PagesOf().front(), std::make_pair(1, 0));
    EXPECT_EQ(PagesOf().back(), std::make_pair(9999, 9999));
    EXPECT_EQ(index_.LineCount(), 9999);
    // The last page of a result list shows scanner line 10000, whose offset lies in the
    // block being filled when the limit struck: that block was written too.
    EXPECT_EQ(Rows(9999), (std::vector<std::string>{"P10000"}));
}

TEST_F(LineIndexTest, BlockLimitStopsAtHalfAMillionLines) {
    std::string bytes;
    bytes.reserve(500001 * 3);
    for (int i = 0; i < 500001; ++i) {
        bytes += "x\r\n";
    }
    ASSERT_TRUE(Build(bytes, kCalculationLog));
    EXPECT_EQ(sink_.MessagesUtf8(), (std::vector<std::string>{kPartial}));
    EXPECT_EQ(index_.BlockCount(), CLineIndex::kMaxLineBlock);
    EXPECT_EQ(index_.LineCount(), 500000);
    EXPECT_EQ(Offset(500000), 499999 * 3);
    const PageRecord& last = index_.Page(index_.PageCount() - 1);
    EXPECT_LE(last.lastLine, 500000);
    EXPECT_EQ(Rows(index_.PageCount() - 1).back(), "x");
}

TEST_F(LineIndexTest, TenMegabyteLineIsIndexedAndReadInRowPieces) {
    ASSERT_TRUE(Build(std::string(10 * 1024 * 1024, 'w') + "\r\n", kCalculationLog));
    EXPECT_EQ(index_.LineCount(), 1);
    std::vector<std::string> rows;
    ASSERT_TRUE(ReadRows(index_, 1, 3, rows));
    EXPECT_EQ(rows, (std::vector<std::string>{"", "", ""}));
    // Without any line end the file has no line at all.
    ASSERT_TRUE(Build(std::string(10 * 1024 * 1024, 'w'), kCalculationLog, "noend.log"));
    EXPECT_EQ(index_.LineCount(), 0);
}

// A log that turns into NULs to 2 GB has no line end to find: once the line being read fills
// more 139-byte rows than the whole index holds, the index ends there, as at the end of the
// file but with the message of a partial index, instead of reading the file through. The
// lines before it are kept whole, their last page too.
TEST_F(LineIndexTest, ALineOutgrowingTheIndexRowsEndsItWithoutReadingOn) {
    constexpr std::int64_t kRowsOfTheIndex =
        std::int64_t{CLineIndex::kMaxLineBlock} * CLineIndex::kLinesPerBlock;
    constexpr std::int64_t kBytesOfTheRows = kRowsOfTheIndex * (CListLineReader::kRowBufferSize - 1);
    const std::string noLines = Utf8(u8"リスト･ファイル内にデータが１行もありません");
    for (const int lines : {0, 1000}) {
        SCOPED_TRACE(std::to_string(lines) + " lines before the NULs");
        sink_.Clear();
        listPath_ = dir_.File("nuls.log");
        testsupport::WriteSparseFile(listPath_.str(), test::NumberedLines(lines), std::uint64_t{2} << 30);
        const long long before = testsupport::BytesReadByProcess();
        ASSERT_TRUE(Open(kCalculationLog));
        const long long read = testsupport::BytesReadByProcess() - before;
        EXPECT_GE(read, kBytesOfTheRows) << "bytes read";
        EXPECT_LT(read, kBytesOfTheRows + (1 << 20)) << "bytes read";
        EXPECT_EQ(index_.LineCount(), lines);
        if (lines == 0) {
            EXPECT_EQ(sink_.MessagesUtf8(), (std::vector<std::string>{kPartial, noLines}));
            continue;
        }
        EXPECT_EQ(sink_.MessagesUtf8(), (std::vector<std::string>{kPartial}));
        EXPECT_EQ(PagesOf().back().second, lines);
        EXPECT_EQ(Rows(index_.PageCount() - 1).back(), "L001000");
    }
}

TEST_F(LineIndexTest, BinaryFileShowsWhatItCan) {
    std::string bytes;
    unsigned state = 12345;
    for (int i = 0; i < 200000; ++i) {
        state = state * 1103515245u + 12345u;
        bytes += static_cast<char>(state >> 16);
    }
    ASSERT_TRUE(Build(bytes, kResultList, "bin.lst"));
    for (int p = 0; p < index_.PageCount(); ++p) {
        std::vector<std::string> rows;
        EXPECT_TRUE(ReadPageRows(index_, kResultList, p, rows));
        for (const std::string& row : rows) {
            EXPECT_LT(row.size(), 140u);
        }
    }
}

TEST_F(LineIndexTest, MissingFileIsReportedAndFails) {
    listPath_ = dir_.File("absent.log");
    EXPECT_FALSE(Open(kCalculationLog));
    EXPECT_EQ(sink_.MessageCount(), 1);
    EXPECT_EQ(dir_.EntryCount(), 0);
}

TEST_F(LineIndexTest, DirectoryIsRefusedWithTheOpenMessage) {
    std::filesystem::create_directory(dir_.Path() / "dir.log");
    listPath_ = dir_.File("dir.log");
    EXPECT_FALSE(Open(kCalculationLog));
    EXPECT_EQ(sink_.LastMessageUtf8(),
              Utf8(u8"ﾌｧｲﾙを開く際にｴﾗｰが発生しました(ｴﾗｰ番号5)\n ") + dir_.File("dir.log"));
}

// A list in a folder no one may write, shown from a working folder no one may write either
// (here /proc for both, which even an administrator cannot write): the index still stands.
TEST_F(LineIndexTest, AListWhereNoWorkFileMayBeMadeBesideItStillOpens) {
    const std::string written = dir_.Write("list.log", test::NumberedLines(300));
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int fd = ::open(written.c_str(), O_RDONLY);
        const std::string listPath = "/proc/self/fd/" + std::to_string(fd);
        const bool opened = fd >= 0 && ::chdir("/proc") == 0 &&
                            index_.OpenListFile(listPath.c_str(), LinesPerPageOf(kCalculationLog)) &&
                            index_.LineCount() == 300;
        ::_exit(opened ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// The work file has no name from the moment it is open: a viewer killed while it shows
// a list leaves nothing beside the list.
TEST_F(LineIndexTest, AKilledViewerLeavesNoWorkFile) {
    listPath_ = dir_.Write("list.log", test::NumberedLines(500));
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        char built = Open(kCalculationLog) && index_.PointerFile().GetLength() > 0 ? 'y' : 'n';
        (void)!::write(ready[1], &built, 1);
        ::pause();
        ::_exit(0);
    }
    char built = 0;
    ASSERT_EQ(::read(ready[0], &built, 1), 1);
    EXPECT_EQ(built, 'y');
    EXPECT_EQ(dir_.EntryCount(), 1);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_EQ(dir_.EntryCount(), 1);
}

} // namespace
} // namespace wenux
