// Lists that are not what the viewer expects: each gets its message or shows what it can.
#include "AppFixture.h"

#include "list_viewer/app/WenuxIds.h"

#include "platform/ui/CDocTemplate.h"
#include "platform/ui/DialogScript.h"

#include <filesystem>
#include <random>

namespace wenux::test {
namespace {

using platform::Utf8;

using BadInput = AppTest;

TEST_F(BadInput, MissingFileOrDirectoryIsNotFoundAndOpensNothing) {
    Start();
    const CString missing = lists_.File("none.log");
    EXPECT_EQ(Open(missing), nullptr);
    EXPECT_EQ(sink_->LastMessageUtf8(), std::string(missing.GetString()) + Utf8(u8"\nﾌｧｲﾙが見つかりません"));
    std::filesystem::create_directory(lists_.Path() / "dir.log");
    EXPECT_EQ(Open(lists_.File("dir.log")), nullptr);
    EXPECT_EQ(sink_->MessageCount(), 2);
    EXPECT_EQ(WorkFileCount(), 0);
    EXPECT_EQ(Frame()->ShownMenu(), &Frame()->NoDocumentMenu());
}

// A list the view cannot read (here a file whose reading fails) leaves no empty window and
// no recent-file entry behind.
TEST_F(BadInput, AListThatCannotBeReadLeavesNoWindowAndNoRecentFile) {
    Start();
    EXPECT_EQ(Open(CString("/proc/self/mem")), nullptr);
    EXPECT_EQ(sink_->LastMessageUtf8(), Utf8(u8"リスト･ファイルのエラーのため、表示できません"));
    EXPECT_EQ(app_->Templates()[0]->Documents().size(), 0u);
    EXPECT_EQ(app_->RecentFiles().GetSize(), 0);
    EXPECT_EQ(Frame()->ShownMenu(), &Frame()->NoDocumentMenu());
    EXPECT_NE(Open(lists_.Write("good.lst", "LINE\r\n")), nullptr);
    EXPECT_EQ(app_->RecentFiles().GetSize(), 1) << "a list shown is a recent file";
}

TEST_F(BadInput, EmptyFileAndLfOnlyFileHaveNoLine) {
    Start();
    for (const char* name : {"empty.log", "unix.log"}) {
        sink_->Clear();
        const std::string bytes = std::string(name) == "empty.log" ? std::string() : "one\ntwo\nthree\n";
        CMainListView* view = Open(lists_.Write(name, bytes));
        ASSERT_NE(view, nullptr) << name;
        EXPECT_EQ(view->Index().LineCount(), 0) << name;
        EXPECT_EQ(sink_->LastMessageUtf8(), Utf8(u8"リスト･ファイル内にデータが１行もありません")) << name;
        Paint(view);
        // Commands on an empty list do nothing.
        Frame()->RouteCommand(ID_JUMP_BOTTOM);
        Frame()->RouteCommand(ID_SEARCH_AGAIN);
        Frame()->RouteCommand(ID_FILE_PRINT);
        EXPECT_FALSE(std::filesystem::exists(lists_.Path() / (std::string(name) + ".pdf")));
    }
}

TEST_F(BadInput, BinaryFileShowsWhatItCanAndSearchesEnd) {
    Start();
    std::mt19937 random(7);
    std::string bytes(200000, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random() & 0xFF);
    }
    CMainListView* view = Open(lists_.Write("core.log", bytes));
    ASSERT_NE(view, nullptr);
    Paint(view);
    for (int i = 0; i < 5; ++i) {
        view->OnVScroll(SB_PAGEDOWN, 0);
    }
    Paint(view);
    platform::DialogScript::Queue([](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_DIALOG_EDIT, "no such text here");
        dialog.OnOK();
    });
    Frame()->RouteCommand(ID_SEARCH_STRING);
    EXPECT_FALSE(sink_->MessagesUtf8().empty());
}

TEST_F(BadInput, OneTenMegabyteLineIsOneLineDrawnInRowsOfItsStart) {
    Start();
    std::string bytes(10 * 1024 * 1024, 'x');
    bytes.replace(bytes.size() - 10, 6, "NEEDLE");
    bytes += "\r\n";
    CMainListView* view = Open(lists_.Write("long.log", bytes));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->Index().LineCount(), 1);
    Paint(view);
    platform::DialogScript::Queue([](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_DIALOG_EDIT, "NEEDLE");
        dialog.OnOK();
    });
    Frame()->RouteCommand(ID_SEARCH_STRING);
    // The needle lies beyond the displayed part of the line: not confirmed there.
    EXPECT_EQ(sink_->LastMessageUtf8(), Utf8(u8"文字列が見つかりません !!!"));
}

} // namespace
} // namespace wenux::test
