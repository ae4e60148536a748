#include "common/ui/section/ScreenPrinting.h"

#include "common/ui/section/CViewBase.h"
#include "platform/core/CodePage.h"
#include "platform/core/DiskNames.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CPrintDialog.h"
#include "platform/ui/CPrintInfo.h"
#include "platform/ui/ClosePreviewWindow.h"
#include "platform/ui/PrintRunner.h"
#include "platform/ui/QtText.h"

#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrinter>
#include <optional>

namespace section {

namespace {

// The document's path as the file system spells it (empty for an unsaved document).
std::string DocumentPathUtf8(CViewBase& view) {
    const CDocument* document = view.GetDocument();
    return document ? platform::DiskName(document->GetPathName().str()) : std::string();
}

CString DocumentTitle(CViewBase& view) {
    const CDocument* document = view.GetDocument();
    return document ? document->GetTitle() : CString();
}

// Without a printer the page goes to a PDF file that overwrites nothing; returns the name
// that the question shows for the device.
CString SetUpDevice(CViewBase& view, QPrinter& printer) {
    if (CPrintDialog::HavePrinter()) {
        return platform::FromQStringLossy(printer.printerName());
    }
    const std::string pdfPath = platform::PrintRunner::UnusedPdfPath(DocumentPathUtf8(view));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdfPath));
    return CString(platform::Utf8ToCp932(pdfPath));
}

// The paper chosen in the printer set-up, for the rest of the program's run.
std::optional<QPageLayout>& ChosenLayout() {
    static std::optional<QPageLayout> layout;
    return layout;
}

void UseChosenLayout(QPrinter& printer) {
    if (ChosenLayout()) {
        printer.setPageLayout(*ChosenLayout());
    }
}

} // namespace

void ScreenPrinting::PrintSetup(QWidget* owner) {
    QPrinter printer(QPrinter::HighResolution);
    if (!CPrintDialog::HavePrinter()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
    }
    UseChosenLayout(printer);
    QPageSetupDialog dialog(&printer, owner);
    if (dialog.exec() == QDialog::Accepted) {
        ChosenLayout() = printer.pageLayout();
    }
}

CString ScreenPrinting::JobName(const CString& title) {
    const std::string& bytes = title.str();
    return CString(bytes.substr(0, platform::Cp932SafeCut(bytes, kJobNameBytes)));
}

void ScreenPrinting::SetOnePage(CPrintInfo& info) {
    info.SetMinPage(1);
    info.SetMaxPage(1);
    info.m_nFromPage = 1;
    info.m_nToPage = 1;
}

bool ScreenPrinting::Print(CViewBase& view) {
    QPrinter printer(QPrinter::HighResolution);
    const CString device = SetUpDevice(view, printer);
    UseChosenLayout(printer);
    CString question;
    question.Format(u8"現在のプリンタ → %s\n印刷してもよろしいですか？", device.GetString());
    if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return false;
    }
    printer.setDocName(platform::ToQString(JobName(DocumentTitle(view))));
    CPrintInfo info;
    info.m_pPrinter = &printer;
    info.m_bDirect = TRUE;
    info.m_bToPdf = printer.outputFormat() == QPrinter::PdfFormat;
    if (!view.OnPreparePrinting(&info)) {
        return false;
    }
    return platform::PrintRunner::RunJob(&view, &info).pages > 0;
}

void ScreenPrinting::Preview(CViewBase& view) {
    QPrinter printer(QPrinter::HighResolution);
    SetUpDevice(view, printer);
    UseChosenLayout(printer);
    CPrintInfo info;
    info.m_pPrinter = &printer;
    info.m_bPreview = TRUE;
    if (!view.OnPreparePrinting(&info)) {
        return;
    }
    platform::ClosePreviewWindow::Run(&view, info);
}

} // namespace section
