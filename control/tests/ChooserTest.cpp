#include "testsupport/ChildProcess.h"
#include "testsupport/FileBytes.h"
#include "testsupport/NonRegularFile.h"
#include "testsupport/TempDir.h"

#include "control/core/ChosenName.h"
#include "control/core/DataFileKind.h"
#include "control/core/DataFileList.h"
#include "control/core/DataFileSortState.h"
#include "platform/core/CodePage.h"
#include "platform/core/RecordingSink.h"

#include <climits>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

namespace basnev {
namespace {

using platform::Utf8;

// A TITLE line with the title from column 11 and the tag from column 61, CR LF ended.
std::string TitleLine(const std::string& title, const std::string& tag) {
    std::string line = "TITLE     " + title;
    line.resize(60, ' ');
    return line + tag + "\r\n";
}

void SetModified(const std::string& path, std::time_t when) {
    utimbuf times{when, when};
    utime(path.c_str(), &times);
}

TEST(DataFileTitleTest, TagFromColumn61DecidesAndTheTitleLosesTrailingBlanks) {
    CString title;
    EXPECT_TRUE(
        TitleOfDataFile(TitleLine("slope A", "TORVAN002").substr(0, 69).c_str(), kAnalysisFile, title));
    EXPECT_STREQ(title, "slope A");
    EXPECT_TRUE(TitleOfDataFile(TitleLine("old", "torvan001").substr(0, 69).c_str(), kAnalysisFile, title));
    EXPECT_FALSE(TitleOfDataFile(TitleLine("x", "MERDOK001").substr(0, 69).c_str(), kAnalysisFile, title));
    EXPECT_FALSE(TitleOfDataFile("TITLE     short line", kAnalysisFile, title));
    EXPECT_FALSE(
        TitleOfDataFile(("NODE" + TitleLine("x", "MERDOK001").substr(4, 65)).c_str(), kSectionFile, title));
    EXPECT_TRUE(TitleOfDataFile(TitleLine("", "GOLMIR001").substr(0, 69).c_str(), kMeasurementFile, title));
    EXPECT_STREQ(title, "");
}

TEST(DataFileListTest, ListsOnlyFilesOfTheKindNewestFirstAndSortsByAnyColumn) {
    testsupport::TempDir dir;
    dir.Write("b.slo", TitleLine("second", "TORVAN002") + "SEFIL     s.sec\r\n");
    dir.Write("A.SLO", TitleLine("first", "TORVAN001"));
    dir.Write("short.slo", "TITLE     no tag\r\n");
    dir.Write("c.sec", TitleLine("section", "MERDOK001"));
    dir.Write("empty.slo", "");
    mkdir(dir.File("dir.slo").c_str(), 0700);
    SetModified(dir.File("b.slo"), 2000000000);
    SetModified(dir.File("A.SLO"), 1900000000);

    std::vector<DataFileRow> rows = ListDataFiles(dir.Slash(), kAnalysisFile);
    ASSERT_EQ(rows.size(), 2u);
    DataFileSortState state;
    SortDataFileRows(rows, state.Column(), state.Direction(state.Column()));
    EXPECT_STREQ(rows[0].name, "b.slo");
    EXPECT_STREQ(rows[0].title, "second");
    EXPECT_EQ(rows[0].modified.GetLength(), 16);
    EXPECT_STREQ(rows[1].name, "A.SLO");

    state.Click(kTitleColumn);
    EXPECT_EQ(state.Direction(kTitleColumn), kDescending);
    state.Click(kTitleColumn);
    EXPECT_EQ(state.Direction(kTitleColumn), kAscending);
    SortDataFileRows(rows, state.Column(), state.Direction(kTitleColumn));
    EXPECT_STREQ(rows[0].title, "first");
}

TEST(DataFileListTest, AnUnreadableFileIsSkippedAndTheListGoesOn) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    testsupport::TempDir dir;
    dir.Write("a.dis", TitleLine("one", "GOLMIR001"));
    dir.Write("b.dis", TitleLine("locked", "GOLMIR001"));
    dir.Write("c.dis", TitleLine("three", "GOLMIR001"));
    chmod(dir.File("b.dis").c_str(), 0);
    platform::RecordingSink sink;
    std::vector<DataFileRow> rows = ListDataFiles(dir.Slash(), kMeasurementFile);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_STREQ(rows[1].name, "c.dis");
    EXPECT_EQ(sink.MessageCount(), 1);
}

// A model of NUL bytes to 2 GB is passed at once, not read through for its first line; a title
// line at which the file stops (NULs behind it, or 64 KiB without a line end) is damage, no
// title: neither is listed, and nothing is told.
TEST(DataFileListTest, ADamagedFileIsLeftOutWithoutBeingReadThrough) {
    testsupport::TempDir dir;
    constexpr std::uint64_t kTwoGigabytes = std::uint64_t{2} << 30;
    const std::string title = TitleLine("whole", "MERDOK001");
    dir.Write("good.sec", title);
    testsupport::WriteSparseFile(dir.File("nuls.sec"), "", kTwoGigabytes);
    testsupport::WriteSparseFile(dir.File("titled.sec"), title.substr(0, title.size() - 2), kTwoGigabytes);
    dir.Write("long.sec", title.substr(0, title.size() - 2) + std::string(64 * 1024, ' ') + "\r\n");
    platform::RecordingSink sink;
    const long long before = testsupport::BytesReadByProcess();
    const std::vector<DataFileRow> rows = ListDataFiles(dir.Slash(), kSectionFile);
    EXPECT_LT(testsupport::BytesReadByProcess() - before, 1LL << 20) << "bytes read";
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_STREQ(rows[0].name, "good.sec");
    EXPECT_EQ(sink.MessageCount(), 0);
}

TEST(DataFileListTest, JapaneseNamesAndTitlesAreKept) {
    testsupport::TempDir dir;
    std::string line(CString(u8"TITLE     北斜面 測線１").operator const char*());
    line.resize(60, ' ');
    dir.Write("斜面.sec", line + "MERDOK001\r\n");
    std::vector<DataFileRow> rows = ListDataFiles(dir.Slash(), kSectionFile);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, CString(u8"斜面.sec"));
    EXPECT_EQ(rows[0].title, CString(u8"北斜面 測線１"));
}

class ChosenNameTest : public ::testing::Test {
protected:
    ChosenNameResult Check(const char* typed, int kind) {
        ChosenNameContext context{kind, "/data/",
                                  [this](const CString& p) { return existing == std::string(p); }};
        return CheckChosenName(typed, context, path);
    }
    platform::RecordingSink sink;
    std::string existing;
    CString path;
};

TEST_F(ChosenNameTest, BareNameGetsTheDirectoryAndTheSlotExtension) {
    existing = "/data/m.dis";
    EXPECT_EQ(Check("  m  ", kMeasurementFile), ChosenNameResult::kAccepted);
    EXPECT_STREQ(path, "/data/m.dis");
    EXPECT_EQ(sink.MessageCount(), 0);
    sink.QueueAnswer(IDNO);
    EXPECT_EQ(Check("/other/M.DIS", kMeasurementFile), ChosenNameResult::kStay);
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"指定ﾌｧｲﾙがありません。新規作成ﾌｧｲﾙ名として設定しますか？"));
}

TEST_F(ChosenNameTest, RefusalsKeepTheDialogOpen) {
    EXPECT_EQ(Check("   ", kSectionFile), ChosenNameResult::kStay);
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"ﾌｧｲﾙ指定ｴﾗｰ !!!"));
    EXPECT_EQ(Check("m.sec", kMeasurementFile), ChosenNameResult::kStay);
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"ﾌｧｲﾙ拡張子が間違っています !!!"));
}

TEST_F(ChosenNameTest, NewFileIsAcceptedOnYes) {
    sink.QueueAnswer(IDYES);
    EXPECT_EQ(Check("new", kAnalysisFile), ChosenNameResult::kAccepted);
    EXPECT_STREQ(path, "/data/new.slo");
}

// A folder typed as the name used to get the slot's extension and be offered as a new file
// (".../現場/.slo"): it is entered instead, whatever its name ends in.
TEST_F(ChosenNameTest, AFolderTypedAsTheNameIsEnteredAndNeverOfferedAsANewFile) {
    testsupport::TempDir dir;
    const std::string site = platform::Utf8ToCp932(dir.MakeDirectory(Utf8(u8"現場")));
    dir.MakeDirectory(Utf8(u8"現場/old.slo"));
    const ChosenNameContext context{kAnalysisFile, CString(platform::Utf8ToCp932(dir.Slash()).c_str()),
                                    IsOpenableFile};
    const std::string typed[][2] = {
        {site + "/", site + "/"},
        {"  " + platform::Utf8ToCp932(Utf8(u8"現場")) + "  ", site + "/"},
        {site + "/old.slo", site + "/old.slo/"},
        {site + "/old.slo/../.", site + "/"},
        {platform::Utf8ToCp932(Utf8(u8"現場/old.slo/")), site + "/old.slo/"}, // relative: in the folder shown
    };
    for (const auto& [name, folder] : typed) {
        EXPECT_EQ(CheckChosenName(name.c_str(), context, path), ChosenNameResult::kEnterDirectory) << name;
        EXPECT_EQ(std::string(path.str()), folder);
    }
    EXPECT_EQ(sink.MessageCount(), 0);
    EXPECT_EQ(CheckChosenName((site + "/none/").c_str(), context, path), ChosenNameResult::kStay);
    EXPECT_EQ(sink.MessagesUtf8(), std::vector<std::string>{Utf8(u8"ﾌｧｲﾙ指定ｴﾗｰ !!!")});
}

// An install in an ordinary home directory gives paths far past 50 characters: every path the
// system can open is taken, only one past the system's limit is refused.
TEST_F(ChosenNameTest, AnyPathUpToTheSystemLimitIsTaken) {
    // "解析" is 4 bytes in CP932 but 6 as the system spells it.
    const std::string stem = "/data/" + platform::Utf8ToCp932(Utf8(u8"解析")) + "/";
    const auto pathOf = [&stem](std::size_t systemBytes) {
        const std::size_t fixed = platform::Cp932ToUtf8(stem).size() + 4;
        return stem + std::string(systemBytes - fixed, 'x') + ".slo";
    };
    struct Case {
        std::string typed;
        ChosenNameResult result;
    };
    const Case cases[] = {
        {"/data/" + std::string(45, 'x') + ".slo", ChosenNameResult::kAccepted},
        {pathOf(PATH_MAX - 1), ChosenNameResult::kAccepted},
        {pathOf(PATH_MAX), ChosenNameResult::kStay},
    };
    for (const Case& c : cases) {
        existing = c.typed;
        sink.Clear();
        EXPECT_EQ(Check(c.typed.c_str(), kAnalysisFile), c.result) << c.typed.size();
        if (c.result == ChosenNameResult::kAccepted) {
            EXPECT_EQ(sink.MessageCount(), 0);
            EXPECT_EQ(path, CString(c.typed));
        } else {
            EXPECT_EQ(sink.MessagesUtf8(), std::vector<std::string>{Utf8(u8"ﾌｧｲﾙ名が長すぎます !!!")});
        }
    }
}

// A chosen name under Japanese folders, a read-only file or something that is no file at all,
// as the base menu takes it for a slot: the programs open read-only documents.
TEST(FileNameTestTest, ReadOnlyAndJapaneseNamedFilesAreTakenAndNoFileIsNot) {
    testsupport::TempDir dir;
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::all);
    dir.MakeDirectory(platform::Utf8(u8"日本語フォルダ"));
    const std::string japanese = dir.Write(platform::Utf8(u8"日本語フォルダ/断面.sec"), "x");
    EXPECT_TRUE(IsOpenableFile(CString(platform::Utf8ToCp932(japanese))));
    const std::string readOnly = dir.Write("ro.sec", "x");
    std::filesystem::permissions(readOnly,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::others_read);
    EXPECT_EQ(testsupport::RunInChildAsUser([&] { return IsOpenableFile(CString(readOnly)) ? 0 : 1; }), 0);
    for (const std::string& kind : testsupport::NonRegularFileKinds()) {
        const std::string path = dir.File(kind + ".sec");
        ASSERT_TRUE(testsupport::MakeNonRegularFile(kind, path));
        EXPECT_FALSE(IsOpenableFile(CString(path))) << kind;
    }
}

TEST(FileNameTestTest, CreatingANameLeavesNoFileBehind) {
    testsupport::TempDir dir;
    EXPECT_TRUE(CanCreateFile(CString(dir.File("probe.sec").c_str())));
    EXPECT_FALSE(FileExists(CString(dir.File("probe.sec").c_str())));
    EXPECT_FALSE(CanCreateFile(CString(dir.File("no/such/dir/x.sec").c_str())));
    dir.Write("rw.sec", "x");
    EXPECT_TRUE(IsOpenableFile(CString(dir.File("rw.sec").c_str())));
    EXPECT_FALSE(IsOpenableFile(dir.Slash()));
}

} // namespace
} // namespace basnev
