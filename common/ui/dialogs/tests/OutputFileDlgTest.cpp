#include "testsupport/Fixtures.h"
#include "testsupport/TempDir.h"
#include "testsupport/ui/TestApplication.h"

#include "common/ui/dialogs/CFileMyDialog.h"
#include "common/ui/dialogs/COutputFileDlg.h"
#include "platform/core/CodePage.h"
#include "platform/core/RecordingSink.h"
#include "platform/ui/DialogScript.h"

#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

using platform::DialogScript;
using platform::RecordingSink;
using platform::Utf8;

const char8_t kOverwrite[] = u8"同名ﾌｧｲﾙがあります。\n上書きされますがよろしいですか？";

class OutputFileTest : public testsupport::RecordingSinkTest {
protected:
    void SetUp() override { testsupport::TestApplication(); }
    testsupport::TempDir files_;
};

TEST_F(OutputFileTest, AnExistingFileIsAskedAboutAndNoKeepsTheDialogOpen) {
    const std::string existing = files_.Write("out.dxf", "0\r\nEOF\r\n");
    COutputFileDlg dialog(125);
    dialog.m_strPath = CString(existing);
    dialog.m_strCaption = CString(u8"DXFﾌｧｲﾙ名");
    dialog.m_strOkText = CString(u8"出力");
    sink_.QueueAnswer(IDNO);
    sink_.QueueAnswer(IDYES);
    bool openAfterNo = false;
    DialogScript::Queue([&](CDialog& open) {
        open.GetDlgItemWidget(IDOK)->setFocus();
        dialog.OnOK();
        openAfterNo = open.Dialog()->isVisible();
        dialog.OnOK();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(openAfterNo);
    EXPECT_EQ(sink_.MessagesUtf8(), std::vector<std::string>(2, Utf8(kOverwrite)));
    EXPECT_EQ(dialog.GetWindowTextString(), CString(u8"DXFﾌｧｲﾙ名"));
    CString okText;
    dialog.GetDlgItemText(IDOK, okText);
    EXPECT_EQ(okText, CString(u8"出力"));
}

// Output paths in an ordinary home directory are far longer than 50 characters: a path is
// kept whole, or the drawing would go to another file.
TEST_F(OutputFileTest, ANewFileEndsTheDialogWithoutAQuestionAndKeepsItsWholePath) {
    const std::string deep =
        files_.File(Utf8(u8"図面 出力/") + std::string(120, 'd') + Utf8(u8"/斜面 A-A' 断面図.dxf"));
    COutputFileDlg dialog(125);
    dialog.m_strPath = CString(platform::Utf8ToCp932(deep));
    DialogScript::Queue([&](CDialog& open) {
        open.GetDlgItemWidget(IDOK)->setFocus();
        dialog.OnOK();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(platform::Cp932ToUtf8(dialog.m_strPath.str()), deep);
    EXPECT_EQ(sink_.MessageCount(), 0);
}

TEST_F(OutputFileTest, EnterInThePathFieldMovesTheFocusOn) {
    COutputFileDlg dialog(125);
    bool stillOpen = false;
    DialogScript::Queue([&](CDialog& open) {
        open.GetDlgItemWidget(COutputFileDlg::kPathEdit)->setFocus();
        dialog.OnOK();
        stillOpen = open.Dialog()->isVisible();
        EXPECT_NE(open.Dialog()->focusWidget(), open.GetDlgItemWidget(COutputFileDlg::kPathEdit));
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(stillOpen);
}

TEST_F(OutputFileTest, BrowseStartsInThePathsDirectoryAndTakesTheChosenPath) {
    const std::string sub = files_.MakeDirectory("Sub");
    const std::string chosen = files_.Write("Sub/Chosen.DXF", "");
    COutputFileDlg dialog(125);
    dialog.m_strPath = CString(sub + "/old.dxf");
    dialog.m_strFilter = "DXF|*.dxf||";
    QString startDirectory, startName, title;
    DialogScript::Queue([&](CDialog&) {
        dialog.OnBrowse();
        dialog.OnCancel();
    });
    DialogScript::Queue([&](CDialog& browse) {
        auto& files = static_cast<CFileMyDialog&>(browse);
        startDirectory = files.FileDialog()->directory().absolutePath();
        title = browse.GetWidget()->windowTitle();
        files.SetFileNameText("Chosen.DXF");
        files.OnOK();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(startDirectory, QString::fromStdString(sub));
    EXPECT_EQ(title, QString::fromUtf8(reinterpret_cast<const char*>(u8"参照")));
    // The path keeps its letter case: on this file system another case names another file.
    EXPECT_EQ(dialog.m_strPath, CString(chosen));
}

TEST_F(OutputFileTest, BrowseWithAnEmptyPathStartsInTheLastDirectory) {
    CFileMyDialog::SetLastDirectory(CString(files_.Path().string()));
    COutputFileDlg dialog(125);
    QString startDirectory;
    DialogScript::Queue([&](CDialog&) { dialog.OnBrowse(); });
    DialogScript::Queue([&](CDialog& browse) {
        startDirectory = static_cast<CFileMyDialog&>(browse).FileDialog()->directory().absolutePath();
    });
    dialog.DoModal();
    EXPECT_EQ(startDirectory, QString::fromStdString(files_.Path().string()));
}

} // namespace
