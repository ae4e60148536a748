#include "TitleLine.h"
#include "testsupport/Fixtures.h"
#include "testsupport/TempDir.h"
#include "testsupport/ui/TestApplication.h"

#include "common/ui/dialogs/basnev/CFileMyDialog.h"
#include "platform/core/RecordingSink.h"
#include "platform/ui/DialogScript.h"

#include <QDialog>
#include <QWidget>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using platform::DialogScript;
using platform::RecordingSink;
using platform::Utf8;

const char8_t kRefusal[] = u8"計測ﾃﾞｰﾀﾌｧｲﾙではありません";

class BaseMenuFileDialogTest : public testsupport::RecordingSinkTest {
protected:
    void SetUp() override { testsupport::TestApplication(); }

    // Opens a dialog of the kind, picks path and presses OK; true when the dialog closed.
    bool Accepts(const std::string& path, int kind = 0) {
        basnev::CFileMyDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, nullptr,
                                     nullptr, 0, kind);
        dialog.SetExpectedTag("GOLMI", CString(kRefusal));
        DialogScript::Queue([&](CDialog&) {
            dialog.SetFileNameText(CString(path));
            dialog.OnOK();
        });
        return dialog.DoModal() == IDOK;
    }

    testsupport::TempDir files_;
};

TEST_F(BaseMenuFileDialogTest, TheExpectedTagIsAcceptedInAnyCaseAndWithAVersion) {
    EXPECT_TRUE(Accepts(files_.Write("a.dat", TitleLine("site", "GOLMI") + "\r\n")));
    EXPECT_TRUE(Accepts(files_.Write("b.dat", TitleLine("site", "golmir01") + "\r\n")));
    EXPECT_EQ(sink_.MessageCount(), 0);
}

TEST_F(BaseMenuFileDialogTest, OtherFirstLinesAreRefusedWithTheGivenMessage) {
    EXPECT_FALSE(Accepts(files_.Write("c.dat", TitleLine("site", "TORVAN002") + "\r\n")));
    EXPECT_FALSE(Accepts(files_.Write("d.dat", "TITLE     short\r\n")));
    EXPECT_FALSE(Accepts(files_.Write("e.dat", "free text\r\n")));
    EXPECT_EQ(sink_.MessagesUtf8(), std::vector<std::string>(3, Utf8(kRefusal)));
}

TEST_F(BaseMenuFileDialogTest, AnAsteriskLinePassesWhateverFollows) {
    EXPECT_TRUE(Accepts(files_.Write("f.dat", "*" + TitleLine("site", "TORVAN002") + "\r\n")));
    EXPECT_EQ(sink_.MessageCount(), 0);
}

TEST_F(BaseMenuFileDialogTest, UnreadableFilesAreRefusedWithTheFileLayersMessage) {
    EXPECT_FALSE(Accepts(files_.File("gone.dat")));
    // Reading a process's memory at offset 0 fails even where permissions do not stop it.
    std::filesystem::create_symlink("/proc/self/mem", files_.File("unreadable.dat"));
    EXPECT_FALSE(Accepts(files_.File("unreadable.dat")));
    EXPECT_FALSE(Accepts(files_.Write("empty.dat", "")));
    const auto messages = sink_.MessagesUtf8();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_NE(messages[0].find(Utf8(u8"ﾌｧｲﾙを開く際にｴﾗｰが発生しました")), std::string::npos);
    EXPECT_EQ(messages[1], Utf8(u8"ﾌｧｲﾙ読み込みｴﾗｰです"));
    EXPECT_EQ(messages[2], Utf8(u8"ﾌｧｲﾙが途中で終了しているため、読み込みできません"));
    for (const std::string& message : messages) {
        EXPECT_NE(message, Utf8(kRefusal));
    }
}

TEST_F(BaseMenuFileDialogTest, AnotherKindAcceptsAnyExistingFileWithoutReadingIt) {
    EXPECT_TRUE(Accepts(files_.Write("g.dat", TitleLine("site", "TORVAN002") + "\r\n"), 2));
    EXPECT_TRUE(Accepts(files_.Write("h.dat", ""), 2)); // an empty file is never read
    EXPECT_EQ(sink_.MessageCount(), 0);
}

TEST_F(BaseMenuFileDialogTest, SaveDialogsHideTheDetailsButtonAndCheckNothing) {
    const std::string other = files_.Write("i.dat", TitleLine("site", "TORVAN002") + "\r\n");
    for (BOOL open : {TRUE, FALSE}) {
        basnev::CFileMyDialog dialog(open, nullptr, nullptr, OFN_FILEMUSTEXIST, nullptr, nullptr, 0, 0);
        dialog.SetExpectedTag("GOLMI", CString(kRefusal));
        bool detailsShown = false;
        DialogScript::Queue([&](CDialog&) {
            detailsShown = dialog.GetDlgItemWidget(basnev::CFileMyDialog::kDetailsButton)->isVisible();
            dialog.SetFileNameText(CString(other));
            dialog.OnOK();
        });
        const int result = dialog.DoModal();
        EXPECT_EQ(detailsShown, open == TRUE);
        EXPECT_EQ(dialog.GetWidget()->objectName(), "1536");
        EXPECT_EQ(std::string(dialog.GetRuntimeClass()->m_lpszClassName), "CFileMyDialog");
        EXPECT_TRUE(dialog.IsKindOf(&::CFileMyDialog::classCFileMyDialog));
        EXPECT_EQ(result, open ? IDCANCEL : IDOK);
    }
    EXPECT_EQ(sink_.MessageCount(), 1); // only the open dialog looked at the file
}

TEST_F(BaseMenuFileDialogTest, KindAndHelpIdAreKept) {
    basnev::CFileMyDialog dialog(TRUE, "log", nullptr, OFN_FILEMUSTEXIST, "Logs|*.log||", nullptr, 77, 4);
    EXPECT_EQ(dialog.GetKind(), 4);
    EXPECT_EQ(dialog.GetHelpId(), 77u);
    EXPECT_EQ(dialog.m_ofn.Flags & OFN_EXPLORER, 0u);
}

} // namespace
