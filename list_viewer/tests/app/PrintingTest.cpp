// Printing without a printer: the print dialog offers a PDF file beside the list; result lists
// share portrait sheets, run logs refuse landscape paper, print preview plans the same sheets.
#include "AppFixture.h"
#include "testsupport/FileBytes.h"

#include "list_viewer/app/WenuxIds.h"

#include "platform/core/CodePage.h"
#include "platform/ui/CPrintDialog.h"
#include "platform/ui/CPrintInfo.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/PrintRunner.h"

#include <QAction>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace wenux::test {
namespace {

using platform::Utf8;

// Pages of a PDF file as Qt writes it (one "/Type /Page" object a page).
int PdfPageCount(const std::filesystem::path& path) {
    const std::string bytes = testsupport::ReadBytes(path);
    int count = 0;
    for (std::size_t at = bytes.find("/Type /Page"); at != std::string::npos;
         at = bytes.find("/Type /Page", at + 1)) {
        if (bytes.compare(at, 12, "/Type /Pages") != 0) {
            ++count;
        }
    }
    return count;
}

// The document title of a PDF file as Qt writes it: UTF-16 in big-endian order after a
// byte order mark, its "(", ")" and "\\" escaped.
std::string PdfTitle(const std::filesystem::path& path) {
    const std::string bytes = testsupport::ReadBytes(path);
    const std::size_t key = bytes.find("/Title (");
    if (key == std::string::npos) {
        return "(no title)";
    }
    std::string title;
    for (std::size_t at = key + 8; at < bytes.size() && bytes[at] != ')'; ++at) {
        if (bytes[at] == '\\' && at + 1 < bytes.size()) {
            ++at;
        }
        title += bytes[at];
    }
    if (title.size() >= 2 && title.compare(0, 2, "\xfe\xff") == 0) {
        std::string ascii;
        for (std::size_t i = 2; i + 1 < title.size(); i += 2) {
            ascii += title[i + 1];
        }
        return ascii;
    }
    return title;
}

class Printing : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
            GTEST_SKIP() << "a printer is installed";
        }
    }
    // OK in the print dialog, which without a printer offers the PDF file.
    static void AnswerPrintDialog() {
        platform::DialogScript::Queue([](CDialog& dialog) { dialog.OnOK(); });
    }
    void SetOrientation(QPageLayout::Orientation orientation) {
        QPageLayout layout = app_->PageLayout();
        layout.setOrientation(orientation);
        app_->SetPageLayout(layout);
    }
};

TEST_F(Printing, ResultListOfThreePagesSharesPortraitSheetsInAPdfBesideTheList) {
    Start();
    // 1 header line and 3 pages of lines: {1,55} {56,111} {112,140}.
    const CString path = lists_.Write("res.lst", "HEADER\r\n" + JapaneseLog(139));
    CMainListView* view = Open(path);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->Index().PageCount(), 3);
    // Ctrl+P opens the print dialog with the pages to choose from and the PDF as its target.
    bool pageRange = false;
    QString offered;
    platform::DialogScript::Queue([&](CDialog& open) {
        auto& dialog = static_cast<CPrintDialog&>(open);
        pageRange = dialog.PrintDialog()->testOption(QAbstractPrintDialog::PrintPageRange);
        offered = dialog.GetPrinter()->outputFileName();
        open.OnOK();
    });
    QAction* ctrlP = nullptr;
    for (QAction* action : Frame()->GetWidget()->actions()) {
        if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_P)) {
            ctrlP = action;
        }
    }
    ASSERT_NE(ctrlP, nullptr);
    ctrlP->trigger();
    EXPECT_TRUE(pageRange);
    const std::filesystem::path pdf = lists_.Path() / "res.lst.pdf";
    EXPECT_EQ(offered.toStdString(), pdf.string());
    ASSERT_TRUE(std::filesystem::exists(pdf));
    EXPECT_EQ(sink_->LastMessageUtf8(),
              Utf8(u8"プリンタがないため、PDF ファイルに出力しました。\n") + pdf.string());
    ASSERT_NE(view->LastPrintJob(), nullptr);
    ASSERT_EQ(view->LastPrintJob()->SheetCount(), 2);
    EXPECT_EQ(view->LastPrintJob()->PagesOfSheet(0), (std::vector<int>{1, 2}));
    EXPECT_EQ(view->LastPrintJob()->PagesOfSheet(1), (std::vector<int>{3}));
    EXPECT_EQ(PdfPageCount(pdf), 2);
    EXPECT_EQ(PdfTitle(pdf), "res.lst") << "the job is named by the list's file name";
    // The paper decided the print font's height.
    EXPECT_GT(view->PrintFont().height, 0);
    // Printing a second time never overwrites the first file.
    AnswerPrintDialog();
    Frame()->RouteCommand(ID_FILE_PRINT);
    EXPECT_TRUE(std::filesystem::exists(lists_.Path() / "res.lst-2.pdf"));
}

TEST_F(Printing, LandscapePaperPrintsOnePageASheetAndRunLogsRefuseIt) {
    Start();
    SetOrientation(QPageLayout::Landscape);
    CMainListView* list = Open(lists_.Write("res.lst", "HEADER\r\n" + JapaneseLog(139)));
    ASSERT_NE(list, nullptr);
    AnswerPrintDialog();
    Frame()->RouteCommand(ID_FILE_PRINT);
    EXPECT_EQ(PdfPageCount(lists_.Path() / "res.lst.pdf"), 3);
    ASSERT_NE(list->LastPrintJob(), nullptr);
    EXPECT_FALSE(list->LastPrintJob()->TwoPagesPerSheet());

    CMainListView* log = Open(lists_.Write("run.log", JapaneseLog(139)));
    ASSERT_NE(log, nullptr);
    AnswerPrintDialog();
    Frame()->RouteCommand(ID_FILE_PRINT);
    EXPECT_EQ(sink_->LastMessageUtf8(), Utf8(u8"計算実行ﾛｸﾞとｴﾗｰ･ﾛｸﾞはA4縦用紙を選択して下さい"));
    EXPECT_FALSE(std::filesystem::exists(lists_.Path() / "run.log.pdf"));

    CMainListView* drawing = Open(lists_.Write("plot.lop", JapaneseLog(60)));
    ASSERT_NE(drawing, nullptr);
    AnswerPrintDialog();
    Frame()->RouteCommand(ID_FILE_PRINT);
    EXPECT_EQ(PdfPageCount(lists_.Path() / "plot.lop.pdf"), 2);
}

TEST_F(Printing, PagesOverFiftyFiveLinesOnSharedSheetsAskFirst) {
    Start();
    CMainListView* view = Open(lists_.Write("plot.lop", JapaneseLog(120))); // pages of 55 and 56 lines
    ASSERT_NE(view, nullptr);
    sink_->QueueAnswer(IDNO);
    AnswerPrintDialog();
    Frame()->RouteCommand(ID_FILE_PRINT);
    EXPECT_EQ(sink_->LastMessageUtf8(), Utf8(u8"１頁55行を越える行は印刷されませんが、よろしいですか？\n"
                                             u8"(A4縦用紙は１頁55行まで、A4横用紙で66行まで印刷できます)"));
    EXPECT_FALSE(std::filesystem::exists(lists_.Path() / "plot.lop.pdf"));
    sink_->QueueAnswer(IDYES);
    AnswerPrintDialog();
    Frame()->RouteCommand(ID_FILE_PRINT);
    EXPECT_EQ(PdfPageCount(lists_.Path() / "plot.lop.pdf"), 2);
}

TEST_F(Printing, PreviewRunsTheSameSheetsAsThePrintout) {
    Start();
    CMainListView* view = Open(lists_.Write("res.lst", "HEADER\r\n" + JapaneseLog(139)));
    ASSERT_NE(view, nullptr);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const std::filesystem::path pdf = lists_.Path() / "preview.pdf";
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    CPrintInfo info;
    info.m_bPreview = TRUE;
    info.m_pPrinter = &printer;
    ASSERT_TRUE(view->OnPreparePrinting(&info));
    EXPECT_EQ(platform::PrintRunner::RunPages(view, &info, &printer), 2);
    EXPECT_EQ(PdfPageCount(pdf), 2);
}

} // namespace
} // namespace wenux::test
