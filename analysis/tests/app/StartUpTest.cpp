// Start-up beside the base menu, the files of the command line and the hand-back of the
// saved analysis file at exit.

#include "AppFixture.h"
#include "RunningCopy.h"

#include "common/process/BaseMenuExchange.h"
#include "common/process/WindowClassServer.h"
#include "platform/core/CodePage.h"

#include <filesystem>

namespace torvan_test {
namespace {

using platform::Utf8;

const char kInstanceName[] = "Verrant TORVAN 01";
// The analysis file the base menu named before the run.
constexpr char8_t kEarlierAnalysis[] = u8"/d/以前の.slo";

TEST_F(TorvanAppTest, WithoutTheBaseMenuNothingStartsAndNothingIsHeld) {
    const struct {
        const char* what;
        bool window;
        bool mutex;
    } cases[] = {{"nothing", false, false}, {"window only", true, false}, {"mutex only", false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        process_test::FakeBaseMenu window;
        if (c.window) {
            ASSERT_TRUE(window.Start());
        }
        CNamedMutex mutex;
        if (c.mutex) {
            ASSERT_EQ(mutex.Create("Verrant BASNEV 01"), CNamedMutex::CreateResult::Created);
        }
        sink_->Clear();
        EXPECT_FALSE(Start({DataFile("sample.slo")}));
        EXPECT_EQ(sink_->MessagesUtf8(),
                  std::vector<std::string>{Utf8(u8"基本ﾒﾆｭｰｳｨﾝﾄﾞｳが見つかりません。")});
        EXPECT_EQ(Frame(), nullptr);
        EXPECT_TRUE(Documents().empty());
        EXPECT_EQ(Close(), torvan::CTorvanApp::kRefusedExitCode);
        EXPECT_FALSE(CNamedMutex::Exists(kInstanceName));
        // The base menu's own name was only looked at, never taken.
        if (c.mutex) {
            EXPECT_TRUE(mutex.IsHeld());
        } else {
            EXPECT_FALSE(CNamedMutex::Exists("Verrant BASNEV 01"));
        }
    }
}

TEST_F(TorvanAppTest, ASecondStartBringsTheRunningCopyForwardInsteadOfAWindow) {
    StartBaseMenu();
    CNamedMutex first;
    ASSERT_EQ(first.Create(kInstanceName), CNamedMutex::CreateResult::Created);
    process_test::RunningCopy copy;
    process::WindowClassServer server(copy);
    ASSERT_TRUE(server.Register("VerrantCalculation"));
    sink_->QueueAnswer(IDYES); // run a second copy?
    EXPECT_FALSE(Start({DataFile("sample.slo")}));
    EXPECT_EQ(copy.raised, 1);
    EXPECT_EQ(Frame(), nullptr);
    EXPECT_EQ(Close(), 0);
    EXPECT_FALSE(CNamedMutex::Exists("Verrant TORVAN 02"));
}

TEST_F(TorvanAppTest, TheBaseMenusFilesOpenAndNothingSavedLeavesItsSlotAlone) {
    ASSERT_TRUE(StartWithBaseMenu(SampleArguments(), Utf8(kEarlierAnalysis)));
    EXPECT_TRUE(CNamedMutex::Exists(kInstanceName));
    ASSERT_EQ(Documents().size(), 1u);
    // The reader took the files without asking: they are the ones the analysis file names.
    EXPECT_EQ(Documents()[0]->Model().GroundPoints().GetCount(), 45) << sink_->LastMessageUtf8();
    EXPECT_EQ(sink_->MessageCount(), 0) << sink_->LastMessageUtf8();
    EXPECT_EQ(Close(), 0);
    EXPECT_EQ(SlotUtf8(process::kAnalysisSlot), Utf8(kEarlierAnalysis));
    EXPECT_EQ(sink_->MessageCount(), 0);
    EXPECT_FALSE(CNamedMutex::Exists(kInstanceName));
}

TEST_F(TorvanAppTest, ANewFileOfTheCommandLineIsSavedUnderItsNameAndHandedBack) {
    const std::string created = DataFile(u8"新しい 解析.slo");
    ASSERT_TRUE(StartWithBaseMenu({"@", created, DataFile("sample.sec"), DataFile("sample.dis")},
                                  Utf8(kEarlierAnalysis)));
    ASSERT_EQ(Documents().size(), 1u);
    torvan::CTorvanDoc* document = Documents()[0];
    EXPECT_EQ(document->GetPathName(), CString(platform::Utf8ToCp932(created).c_str()));
    EXPECT_EQ(document->Model().GroundPoints().GetCount(), 45);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::u8path(created)));

    sink_->QueueAnswer(IDYES); // "...\n更新してもよろしいですか？"
    Frame()->RouteCommand(ID_FILE_SAVE);
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::u8path(created)));
    EXPECT_EQ(Close(), 0);
    EXPECT_EQ(SlotUtf8(process::kAnalysisSlot), created);
    EXPECT_EQ(sink_->LastMessageUtf8(), Utf8(u8"基本ﾒﾆｭｰの参照ﾌｧｲﾙ名を変更します"));
}

// Named relative to the shell's folder, the file to be made keeps that folder: the save made
// after the working directory changed lands there.
TEST_F(TorvanAppTest, ANewFileNamedRelativeIsSavedInTheFolderItWasNamedIn) {
    const std::filesystem::path started = std::filesystem::current_path();
    std::filesystem::current_path(std::filesystem::u8path(DataFile("")));
    const std::string folder = std::filesystem::current_path().string() + "/";
    const bool begun = StartWithBaseMenu({"@", Utf8(u8"相対.slo"), "sample.sec", "sample.dis"});
    std::filesystem::current_path(started);
    ASSERT_TRUE(begun);
    ASSERT_EQ(Documents().size(), 1u);
    EXPECT_EQ(Documents()[0]->Model().Directory(), CString(platform::Utf8ToCp932(folder).c_str()));
    sink_->QueueAnswer(IDYES); // "...\n更新してもよろしいですか？"
    Frame()->RouteCommand(ID_FILE_SAVE);
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::u8path(DataFile(u8"相対.slo"))))
        << sink_->LastMessageUtf8();
    EXPECT_EQ(Close(), 0);
}

TEST_F(TorvanAppTest, BadCommandLinesLeaveAnEmptyWindow) {
    StartBaseMenu();
    std::filesystem::create_directory(DataFile("folder.slo"));
    data_.Write("broken.slo", "not an analysis file\r\n");
    const std::string notFound = Utf8(u8"\nﾌｧｲﾙが見つかりません");
    const struct {
        std::vector<std::string> args;
        std::string message; // empty: none
    } cases[] = {
        {{DataFile("missing.slo")}, DataFile("missing.slo") + notFound},
        {{DataFile("folder.slo")},
         Utf8(u8"ﾌｧｲﾙを開く際にｴﾗｰが発生しました(ｴﾗｰ番号5)\n ") + DataFile("folder.slo")},
        {{DataFile("broken.slo")}, Utf8(u8"解析ﾌｧｲﾙの形式エラーのため、読み込みできません")},
        {{"@"}, ""},
        {{"@", DataFile("notes.txt")}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.back());
        sink_->Clear();
        ASSERT_TRUE(Start(c.args));
        EXPECT_NE(Frame(), nullptr);
        EXPECT_TRUE(Documents().empty());
        EXPECT_EQ(sink_->LastMessageUtf8(), c.message);
        EXPECT_EQ(Close(), 0);
    }
}

} // namespace
} // namespace torvan_test
