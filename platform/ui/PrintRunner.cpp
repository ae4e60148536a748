#include "platform/ui/PrintRunner.h"

#include "platform/core/CodePage.h"
#include "platform/core/MessageSink.h"
#include "platform/core/SafeFileWriter.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CPrintInfo.h"
#include "platform/ui/CView.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>
#include <optional>
#include <string>
#include <unistd.h>

namespace platform {
namespace {

bool HavePrinter() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

// Prints every page into the PDF file of that name (UTF-8); false when nothing was printed.
bool PrintPagesToPdf(CView* view, const std::string& pdfPath) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdfPath));
    CPrintInfo info;
    info.m_pPrinter = &printer;
    info.m_bToPdf = true;
    if (!view->OnPreparePrinting(&info))
        return false;
    return PrintRunner::RunPages(view, &info, &printer) > 0;
}

std::string DocumentPath(CView* view) {
    CDocument* document = view->GetDocument();
    return document ? Cp932ToUtf8(document->GetPathName().str()) : std::string();
}

} // namespace

std::string PrintRunner::UnusedPdfPath(const std::string& documentPath) {
    QFileInfo info(QString::fromStdString(documentPath));
    QString directory = info.absolutePath();
    if (documentPath.empty() || access(directory.toLocal8Bit().constData(), W_OK) != 0)
        directory = QDir::homePath();
    QString stem = info.fileName().isEmpty() ? QStringLiteral("print") : info.fileName();
    QString candidate = directory + "/" + stem + ".pdf";
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = directory + "/" + stem + "-" + QString::number(n) + ".pdf";
    return candidate.toStdString();
}

bool PrintRunner::PreparePrinting(CView* view, CPrintInfo* info) {
    if (info->m_bPreview || info->m_bToPdf || info->m_bDirect || !info->m_pPrinter)
        return true;
    QPrintDialog dialog(info->m_pPrinter, view->GetWidget() ? view->GetWidget()->window() : nullptr);
    dialog.setMinMax(static_cast<int>(info->GetMinPage()),
                     static_cast<int>(std::min(info->GetMaxPage(), 0xFFFFU)));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (info->m_pPrinter->printRange() == QPrinter::PageRange) {
        info->m_nFromPage = static_cast<UINT>(info->m_pPrinter->fromPage());
        info->m_nToPage = static_cast<UINT>(info->m_pPrinter->toPage());
    }
    return true;
}

int PrintRunner::RunPages(CView* view, CPrintInfo* info, QPrinter* printer) {
    CDC dc;
    if (!dc.AttachDevice(printer, true))
        return 0;
    view->OnBeginPrinting(&dc, info);
    int printed = 0;
    for (UINT page = info->GetFromPage(); page <= info->GetToPage(); ++page) {
        info->m_nCurPage = page;
        info->m_rectDraw = CRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
        dc.StartPage();
        view->OnPrepareDC(&dc, info);
        if (!info->m_bContinuePrinting)
            break;
        view->OnPrint(&dc, info);
        dc.EndPage();
        ++printed;
    }
    if (info->m_bPreview)
        view->OnEndPrintPreview(&dc, info);
    else
        view->OnEndPrinting(&dc, info);
    dc.Detach();
    return printed;
}

bool PrintRunner::PrintToPdf(CView* view, const std::string& pdfPath) {
    std::optional<std::string> cp932Path = Utf8ToCp932Strict(pdfPath);
    if (!cp932Path)
        return PrintPagesToPdf(view, pdfPath); // a name the safe writer cannot carry
    SafeFileWriter writer(cp932Path->c_str());
    int fd = writer.Create();
    // The PDF engine opens its file by name: it gets the name of the new file's descriptor.
    if (fd < 0 || !PrintPagesToPdf(view, "/proc/self/fd/" + std::to_string(fd)))
        return false;
    try {
        writer.Commit();
    } catch (const CFileException&) {
        return false;
    }
    return true;
}

bool PrintRunner::Print(CView* view) {
    if (!HavePrinter()) {
        std::string path = UnusedPdfPath(DocumentPath(view));
        if (!PrintToPdf(view, path))
            return false;
        AfxMessageBox(CString(u8"プリンタがないため、PDF ファイルに出力しました。\n") +
                          CString(Utf8ToCp932(path)),
                      MB_OK | MB_ICONINFORMATION);
        return true;
    }
    QPrinter printer(QPrinter::HighResolution);
    CPrintInfo info;
    info.m_pPrinter = &printer;
    if (!view->OnPreparePrinting(&info))
        return false;
    return RunPages(view, &info, &printer) > 0;
}

void PrintRunner::Preview(CView* view) {
    QPrinter printer(QPrinter::HighResolution);
    CPrintInfo prepared;
    prepared.m_bPreview = TRUE;
    prepared.m_pPrinter = &printer;
    if (!view->OnPreparePrinting(&prepared))
        return;
    QPrintPreviewDialog dialog(&printer, view->GetWidget() ? view->GetWidget()->window() : nullptr);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [view, &prepared](QPrinter* target) {
                         CPrintInfo info = prepared;
                         info.m_pPrinter = target;
                         RunPages(view, &info, target);
                     });
    dialog.exec();
}

} // namespace platform
