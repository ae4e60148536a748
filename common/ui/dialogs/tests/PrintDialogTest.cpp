#include "testsupport/TempDir.h"
#include "testsupport/ui/TestApplication.h"

#include "common/ui/dialogs/CMyPrintDialog.h"
#include "platform/ui/DialogScript.h"

#include <QPrintDialog>
#include <QPrinter>
#include <gtest/gtest.h>

namespace {

using platform::DialogScript;

constexpr DWORD kListFlags = PD_ALLPAGES | PD_NOSELECTION | PD_USEDEVMODECOPIES | PD_HIDEPRINTTOFILE;

TEST(PrintDialogTest, OkWithAllPagesGivesTheWholeRangeOnTheDialogsPrinter) {
    testsupport::TestApplication();
    testsupport::TempDir files;
    CMyPrintDialog dialog(FALSE, kListFlags);
    dialog.m_pd.nMinPage = 1;
    dialog.m_pd.nMaxPage = 7;
    dialog.GetPrinter()->setOutputFileName(QString::fromStdString(files.File("out.pdf")));
    bool setupShown = true;
    DialogScript::Queue([&](CDialog& open) {
        QWidget* setup = open.GetDlgItemWidget(CPrintDialog::kSetupButton);
        ASSERT_NE(setup, nullptr);
        setupShown = setup->isVisible();
        open.OnOK();
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_FALSE(setupShown);
    EXPECT_EQ(dialog.GetWidget()->objectName(), "1538");
    EXPECT_EQ(dialog.GetFromPage(), -1);
    EXPECT_EQ(dialog.m_pd.nFromPage, 1);
    EXPECT_EQ(dialog.m_pd.nToPage, 7);
    ASSERT_NE(dialog.GetDevMode(), nullptr);
    EXPECT_TRUE(dialog.GetDevMode()->dmOrientation == DMORIENT_PORTRAIT ||
                dialog.GetDevMode()->dmOrientation == DMORIENT_LANDSCAPE);
    EXPECT_FALSE(dialog.PrintDialog()->testOption(QAbstractPrintDialog::PrintSelection));
    if (!CPrintDialog::HavePrinter()) { // printing to a file is then the only way to print
        EXPECT_TRUE(dialog.PrintDialog()->testOption(QAbstractPrintDialog::PrintToFile));
    }
}

TEST(PrintDialogTest, ARangeChosenInTheDialogIsReadBack) {
    testsupport::TestApplication();
    CMyPrintDialog dialog(FALSE, PD_PAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIES);
    dialog.m_pd.nMinPage = 1;
    dialog.m_pd.nMaxPage = 9;
    dialog.m_pd.nFromPage = 3;
    dialog.m_pd.nToPage = 5;
    DialogScript::Queue([](CDialog& open) { open.OnOK(); });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.PrintRange());
    EXPECT_EQ(dialog.GetFromPage(), 3);
    EXPECT_EQ(dialog.GetToPage(), 5);
}

TEST(PrintDialogTest, CancelReturnsCancel) {
    testsupport::TestApplication();
    CMyPrintDialog dialog(FALSE);
    DialogScript::Queue([](CDialog& open) { open.OnCancel(); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

} // namespace
