#include "TitleLine.h"
#include "testsupport/FileBytes.h"
#include "testsupport/Fixtures.h"
#include "testsupport/TempDir.h"
#include "testsupport/ui/TestApplication.h"

#include "common/ui/dialogs/CFileMyDialog.h"
#include "platform/core/RecordingSink.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"

#include <QDialog>
#include <QFileDialog>
#include <gtest/gtest.h>

namespace {

using platform::DialogScript;
using platform::RecordingSink;
using platform::Utf8;

const char8_t kNotAnalysisFile[] = u8"すべり線解析ﾌｧｲﾙではありません";

TEST(FileDialogFilterTest, PairsBecomeQtNameFilters) {
    EXPECT_EQ(CFileDialog::NameFilters("Data (*.dat)|*.dat|All files|*.*||"),
              QStringList({"Data (*.dat)", "All files (*.*)"}));
    EXPECT_EQ(CFileDialog::NameFilters("Lists|*.lst;*.log||"), QStringList({"Lists (*.lst *.log)"}));
    EXPECT_TRUE(CFileDialog::NameFilters("").isEmpty());
    // "ポ" is 0x83 0x7C in CP932: its second byte is a '|' that must not split the entry.
    const CString japanese(u8"ポイントﾃﾞｰﾀ|*.pnt||");
    ASSERT_EQ(japanese.str()[1], '|');
    EXPECT_EQ(CFileDialog::NameFilters(japanese),
              QStringList({QString::fromUtf8(reinterpret_cast<const char*>(u8"ポイントﾃﾞｰﾀ (*.pnt)"))}));
}

// Runs the open dialog with the data-file check on path and returns whether OK closed it.
class FileCheckTest : public testsupport::RecordingSinkTest {
protected:
    void SetUp() override { testsupport::TestApplication(); }

    bool Accepts(const std::string& path) {
        CFileMyDialog dialog(TRUE, "slo", nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, "Analysis|*.slo||");
        dialog.m_ofn.lpstrInitialDir = files_.Path().c_str();
        bool stayedOpen = false;
        DialogScript::Queue([&](CDialog&) {
            dialog.SetFileNameText(CString(path));
            dialog.OnOK();
            stayedOpen = dialog.Dialog()->isVisible();
        });
        const int result = dialog.DoModal();
        EXPECT_EQ(result == IDOK, !stayedOpen);
        if (result == IDOK) {
            EXPECT_EQ(dialog.GetPathName(), CString(path));
        }
        return result == IDOK;
    }

    testsupport::TempDir files_;
};

TEST_F(FileCheckTest, AnalysisTagsAreAcceptedInAnyCase) {
    EXPECT_TRUE(Accepts(files_.Write("new.slo", TitleLine("slope", "TORVAN002") + "\r\nEND\r\n")));
    EXPECT_TRUE(Accepts(files_.Write("old.slo", TitleLine("slope", "torvan001") + "\r\n")));
    EXPECT_EQ(sink_.MessageCount(), 0);
}

TEST_F(FileCheckTest, AnotherKindsTagIsRefusedAndTheDialogStaysOpen) {
    EXPECT_FALSE(Accepts(files_.Write("model.slo", TitleLine("section", "MERDOK001") + "\r\n")));
    ASSERT_EQ(sink_.MessageCount(), 1);
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(kNotAnalysisFile));
}

TEST_F(FileCheckTest, FirstLinesWithoutATagFieldAreAccepted) {
    EXPECT_TRUE(Accepts(files_.Write("plain.slo", "some text\r\n")));
    EXPECT_TRUE(Accepts(files_.Write("short.slo", "TITLE     only a title\r\n")));
    EXPECT_EQ(sink_.MessageCount(), 0);
}

TEST_F(FileCheckTest, FilesThatCannotBeReadAreRefusedWithTheFileLayersMessage) {
    EXPECT_FALSE(Accepts(files_.File("missing.slo")));
    ASSERT_EQ(sink_.MessageCount(), 1);
    EXPECT_NE(sink_.LastMessageUtf8().find(Utf8(u8"ﾌｧｲﾙを開く際にｴﾗｰが発生しました")), std::string::npos);
    EXPECT_NE(sink_.LastMessageUtf8().find("missing.slo"), std::string::npos);

    sink_.Clear();
    EXPECT_FALSE(Accepts(files_.Write("empty.slo", "")));
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"ﾌｧｲﾙが途中で終了しているため、読み込みできません"));
}

// A file of NULs (2 GB, a hole) is checked at once, not read through for its first line; what
// the program's own reader makes of it is that reader's to tell.
TEST_F(FileCheckTest, AFileOfNulsIsCheckedWithoutBeingReadThrough) {
    testsupport::WriteSparseFile(files_.File("damaged.slo"), "", std::uint64_t{2} << 30);
    const long long before = testsupport::BytesReadByProcess();
    EXPECT_TRUE(Accepts(files_.File("damaged.slo")));
    EXPECT_LT(testsupport::BytesReadByProcess() - before, 1LL << 20) << "bytes read";
    EXPECT_EQ(sink_.MessageCount(), 0);
}

TEST_F(FileCheckTest, SaveDialogsAndDialogsWithoutTheExistenceFlagCheckNothing) {
    const std::string model = files_.Write("model.slo", TitleLine("section", "MERDOK001") + "\r\n");
    for (BOOL open : {TRUE, FALSE}) {
        CFileMyDialog dialog(open, nullptr, nullptr, OFN_HIDEREADONLY, nullptr);
        DialogScript::Queue([&](CDialog&) {
            dialog.SetFileNameText(CString(model));
            dialog.OnOK();
        });
        EXPECT_EQ(dialog.DoModal(), IDOK);
    }
    EXPECT_EQ(sink_.MessageCount(), 0);
}

TEST_F(FileCheckTest, ProgramsSetTheirOwnTags) {
    CFileMyDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST, nullptr);
    dialog.SetFormatTags({"MERDOK001"}, CString(u8"断面ﾃﾞｰﾀﾌｧｲﾙではありません"));
    const std::string analysis = files_.Write("a.slo", TitleLine("slope", "TORVAN002") + "\r\n");
    DialogScript::Queue([&](CDialog&) {
        dialog.SetFileNameText(CString(analysis));
        dialog.OnOK();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"断面ﾃﾞｰﾀﾌｧｲﾙではありません"));
}

TEST(FileDialogDirectoryTest, TheDirectoryMovedToBecomesTheLastDirectoryOnOkAndCancel) {
    testsupport::TestApplication();
    testsupport::TempDir files;
    const std::string inner = files.MakeDirectory("inner");
    const std::string other = files.MakeDirectory("other");
    CFileMyDialog::SetLastDirectory("");
    {
        CFileMyDialog untouched(TRUE);
        untouched.m_ofn.lpstrInitialDir = files.Path().c_str();
        DialogScript::Queue([&](CDialog&) { untouched.OnCancel(); });
        EXPECT_EQ(untouched.DoModal(), IDCANCEL);
        EXPECT_TRUE(CFileMyDialog::GetLastDirectory().IsEmpty()); // no move, nothing kept
    }
    {
        CFileMyDialog dialog(TRUE);
        dialog.m_ofn.lpstrInitialDir = files.Path().c_str();
        DialogScript::Queue([&](CDialog&) {
            dialog.SetFileNameText("inner"); // a directory typed into the name box is entered
            dialog.OnOK();
            EXPECT_TRUE(dialog.Dialog()->isVisible());
            dialog.OnCancel();
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_EQ(dialog.GetCurrentDirectoryText(), CString(inner));
        EXPECT_EQ(CFileMyDialog::GetLastDirectory(), CString(inner));
    }
    {
        const std::string file = files.Write("other/result.lst", "x\r\n");
        CFileMyDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY);
        dialog.m_ofn.lpstrInitialDir = files.Path().c_str();
        DialogScript::Queue([&](CDialog&) {
            dialog.FileDialog()->setDirectory(QString::fromStdString(other));
            emit dialog.FileDialog()->directoryEntered(QString::fromStdString(other));
            dialog.SetFileNameText("result.lst");
            dialog.OnOK();
        });
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(dialog.GetPathName(), CString(file));
        EXPECT_EQ(CFileMyDialog::GetLastDirectory(), CString(other));
    }
}

TEST(FileDialogSaveTest, SaveAddsTheDefaultExtensionAndAsksBeforeOverwriting) {
    testsupport::TestApplication();
    testsupport::TempDir files;
    files.Write("kept.slo", "old");
    RecordingSink sink;
    CFileMyDialog dialog(FALSE, "slo", "kept", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "Analysis|*.slo||");
    dialog.m_ofn.lpstrInitialDir = files.Path().c_str();
    sink.QueueAnswer(IDNO);
    sink.QueueAnswer(IDYES);
    int stillOpenAfterNo = -1;
    DialogScript::Queue([&](CDialog&) {
        dialog.OnOK();
        stillOpenAfterNo = dialog.Dialog()->isVisible();
        dialog.OnOK();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(stillOpenAfterNo, 1);
    EXPECT_EQ(dialog.GetPathName(), CString(files.File("kept.slo")));
    ASSERT_EQ(sink.MessageCount(), 2);
    EXPECT_NE(sink.LastMessageUtf8().find("kept.slo"), std::string::npos);
}

TEST(DialogScriptTest, ADialogLeftOpenByItsAnswerIsCancelled) {
    testsupport::TestApplication();
    CFileMyDialog dialog(TRUE);
    DialogScript::Queue([](CDialog&) {});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(DialogScript::Pending(), 0);
}

} // namespace
