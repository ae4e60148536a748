// The print command as a user meets it: the print dialog with a page range (a PDF beside the
// document when no printer is installed), no PDF overwritten without asking, a progress window
// that cancels a long job between pages, and a job that cannot start says so.
#include "TestViews.h"
#include "testsupport/TempDir.h"
#include "testsupport/ui/TestApplication.h"

#include "platform/core/RecordingSink.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CPrintDialog.h"
#include "platform/ui/CPrintInfo.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/PrintProgressWindow.h"
#include "platform/ui/PrintRunner.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTimer>
#include <fstream>
#include <gtest/gtest.h>

namespace {

using platform::DialogScript;

class PrintJobTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
            GTEST_SKIP() << "a printer is installed";
        }
        dir_ = files_.Path().string();
        testsupport::TestApplication();
        frame_ = new CFrameWnd;
        frame_->m_bAutoDelete = FALSE;
        ASSERT_TRUE(frame_->Create("PRINT"));
        ASSERT_TRUE(frame_->LoadFrame(nullptr, RUNTIME_CLASS(TestView), nullptr));
        view_ = static_cast<TestView*>(frame_->GetActiveView());
        // The document goes with its last view.
        auto* document = new TestDocument;
        document->SetPathName(CString((dir_ + "/run.log").c_str()), FALSE);
        document->AddView(view_);
    }
    void TearDown() override {
        DialogScript::Clear();
        if (!frame_) {
            return;
        }
        delete frame_->GetWidget();
        delete frame_;
    }
    std::string Pdf() const { return dir_ + "/run.log.pdf"; }

    testsupport::TempDir files_{"print-job"};
    std::string dir_;
    CFrameWnd* frame_ = nullptr;
    TestView* view_ = nullptr;
    platform::RecordingSink sink_;
};

TEST_F(PrintJobTest, ThePrintCommandAsksForPagesAndWithoutPrinterOffersAPdfBesideTheDocument) {
    view_->pageCount = 5;
    QString offered;
    bool rangeOffered = false;
    DialogScript::Queue([&](CDialog& open) {
        auto& dialog = static_cast<CPrintDialog&>(open);
        offered = dialog.GetPrinter()->outputFileName();
        rangeOffered = dialog.PrintDialog()->testOption(QAbstractPrintDialog::PrintPageRange);
        dialog.GetPrinter()->setPrintRange(QPrinter::PageRange); // as the range fields would
        dialog.GetPrinter()->setFromTo(2, 3);
        dialog.PrintDialog()->done(QDialog::Accepted);
    });
    frame_->RouteCommand(ID_FILE_PRINT);
    EXPECT_EQ(DialogScript::Pending(), 0);
    EXPECT_EQ(offered.toStdString(), Pdf());
    EXPECT_TRUE(rangeOffered);
    EXPECT_EQ(view_->printedPages, (std::vector<UINT>{2, 3}));
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(Pdf())));
    EXPECT_EQ(sink_.LastMessageUtf8(), "プリンタがないため、PDF ファイルに出力しました。\n" + Pdf());
}

TEST_F(PrintJobTest, AnExistingPdfIsOverwrittenOnlyWhenTheUserSaysSo) {
    std::ofstream(Pdf()) << "earlier";
    auto printOnto = [this](int answer) {
        sink_.QueueAnswer(answer);
        CPrintDialog dialog(FALSE, PD_ALLPAGES, view_);
        dialog.GetPrinter()->setOutputFormat(QPrinter::PdfFormat);
        dialog.GetPrinter()->setOutputFileName(QString::fromStdString(Pdf()));
        DialogScript::Queue([](CDialog& open) { open.OnOK(); });
        return dialog.DoModal();
    };
    EXPECT_EQ(printOnto(IDNO), IDCANCEL); // the dialog stayed open, then the test closed it
    EXPECT_NE(sink_.LastMessageUtf8().find("上書きしますか"), std::string::npos);
    EXPECT_EQ(printOnto(IDYES), IDOK);
}

TEST_F(PrintJobTest, TheProgressWindowCancelsALongJobBetweenPagesAndLeavesAnEarlierPdfAsItWas) {
    view_->pageCount = 200;
    std::ofstream(Pdf()) << "earlier";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(Pdf()));
    CPrintInfo info;
    info.m_pPrinter = &printer;
    info.m_bDirect = TRUE;
    ASSERT_TRUE(view_->OnPreparePrinting(&info));
    // The user presses Cancel while page 3 is printed; the click is an event the job must let in.
    bool windowShown = false;
    auto cancelOnPage3 = [&windowShown] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == platform::PrintProgressWindow::kObjectName && top->isVisible()) {
                windowShown = true;
                top->findChild<QDialogButtonBox*>()->buttons().first()->click();
            }
        }
    };
    view_->onPage = [&](UINT page) {
        if (page == 3) {
            QTimer::singleShot(0, cancelOnPage3);
        }
    };
    const platform::PrintRunner::Outcome outcome = platform::PrintRunner::RunJob(view_, &info);
    EXPECT_TRUE(windowShown);
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_EQ(outcome.pages, 3);
    EXPECT_TRUE(sink_.MessagesUtf8().empty());
    EXPECT_EQ(files_.Read("run.log.pdf"), "earlier");
    for (QWidget* top : QApplication::topLevelWidgets()) {
        EXPECT_NE(top->objectName(), platform::PrintProgressWindow::kObjectName);
    }
}

TEST_F(PrintJobTest, AJobThatCannotStartSaysSo) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const std::string unreachable = dir_ + "/missing/run.log.pdf";
    printer.setOutputFileName(QString::fromStdString(unreachable));
    CPrintInfo info;
    info.m_pPrinter = &printer;
    info.m_bDirect = TRUE;
    ASSERT_TRUE(view_->OnPreparePrinting(&info));
    const platform::PrintRunner::Outcome outcome = platform::PrintRunner::RunJob(view_, &info);
    EXPECT_FALSE(outcome.started);
    EXPECT_TRUE(view_->printedPages.empty());
    EXPECT_EQ(sink_.LastMessageUtf8(), "印刷を開始できません。\n" + unreachable);
}

} // namespace
