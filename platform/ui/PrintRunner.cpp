#include "platform/ui/PrintRunner.h"

#include "platform/core/CodePage.h"
#include "platform/core/MessageSink.h"
#include "platform/core/SafeFileWriter.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CPrintDialog.h"
#include "platform/ui/CPrintInfo.h"
#include "platform/ui/CView.h"
#include "platform/ui/PreviewPages.h"
#include "platform/ui/PrintProgressWindow.h"
#include "platform/ui/QtText.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
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
    if (!view->OnPreparePrinting(&info)) {
        return false;
    }
    return PrintRunner::RunPages(view, &info, &printer) > 0;
}

// A PDF job writes through the safe writer: the file of that name is replaced only by a
// complete document, so a cancelled or failed job leaves an earlier file as it was.
int RunPagesIntoPdf(CView* view, CPrintInfo* info, QPrinter* printer, PrintProgressWindow* progress) {
    const QString name = printer->outputFileName();
    std::optional<std::string> cp932Path = Utf8ToCp932Strict(name.toStdString());
    if (!cp932Path) {
        return PrintRunner::RunPages(view, info, printer, progress); // a name the safe writer cannot carry
    }
    SafeFileWriter writer(cp932Path->c_str());
    const int fd = writer.Create();
    if (fd < 0) {
        return -1;
    }
    // The PDF engine opens its file by name: it gets the name of the new file's descriptor.
    printer->setOutputFileName(QString::fromStdString("/proc/self/fd/" + std::to_string(fd)));
    const int pages = PrintRunner::RunPages(view, info, printer, progress);
    printer->setOutputFileName(name);
    if (pages <= 0 || progress->Cancelled()) {
        return pages;
    }
    try {
        writer.Commit();
    } catch (const CFileException&) {
        return -1;
    }
    return pages;
}

} // namespace

std::string PrintRunner::UnusedPdfPath(const std::string& documentPath) {
    QFileInfo info(QString::fromStdString(documentPath));
    QString directory = info.absolutePath();
    if (documentPath.empty() || access(directory.toLocal8Bit().constData(), W_OK) != 0) {
        directory = QDir::homePath();
    }
    QString stem = info.fileName().isEmpty() ? QStringLiteral("print") : info.fileName();
    QString candidate = directory + "/" + stem + ".pdf";
    for (int n = 2; QFileInfo::exists(candidate); ++n) {
        candidate = directory + "/" + stem + "-" + QString::number(n) + ".pdf";
    }
    return candidate.toStdString();
}

bool PrintRunner::PreparePrinting(CView* view, CPrintInfo* info) {
    if (info->m_bPreview || info->m_bToPdf || info->m_bDirect || !info->m_pPrinter) {
        return true;
    }
    CPrintDialog dialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION, view);
    dialog.UsePrinter(info->m_pPrinter);
    dialog.m_pd.nMinPage = static_cast<WORD>(std::min(info->GetMinPage(), 0xFFFFU));
    dialog.m_pd.nMaxPage = static_cast<WORD>(std::min(info->GetMaxPage(), 0xFFFFU));
    dialog.m_pd.nFromPage = dialog.m_pd.nMinPage;
    dialog.m_pd.nToPage = dialog.m_pd.nMaxPage;
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    if (dialog.PrintRange()) {
        info->m_nFromPage = static_cast<UINT>(dialog.GetFromPage());
        info->m_nToPage = static_cast<UINT>(dialog.GetToPage());
    }
    info->m_bToPdf = info->m_pPrinter->outputFormat() == QPrinter::PdfFormat;
    return true;
}

int PrintRunner::RunPages(CView* view, CPrintInfo* info, QPrinter* printer, PrintProgressWindow* progress) {
    CDC dc;
    if (!dc.AttachDevice(printer, true)) {
        return -1;
    }
    if (info->m_bPreview) {
        dc.SetPreviewScale(info->PreviewScale());
    }
    view->OnBeginPrinting(&dc, info);
    int printed = 0;
    for (UINT page = info->GetFromPage(); page <= info->GetToPage(); ++page) {
        if (progress) {
            progress->ShowPage(page);
            if (progress->Cancelled()) {
                printer->abort();
                break;
            }
        }
        info->m_nCurPage = page;
        info->m_rectDraw = CRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
        dc.StartPage();
        view->OnPrepareDC(&dc, info);
        if (!info->m_bContinuePrinting) {
            break;
        }
        view->OnPrint(&dc, info);
        dc.EndPage();
        ++printed;
    }
    if (info->m_bPreview) {
        view->OnEndPrintPreview(&dc, info);
    } else {
        view->OnEndPrinting(&dc, info);
    }
    dc.Detach();
    return printed;
}

PrintRunner::Outcome PrintRunner::RunJob(CView* view, CPrintInfo* info) {
    QPrinter* printer = info->m_pPrinter;
    Outcome outcome;
    if (!printer) {
        return outcome;
    }
    const bool toFile = printer->outputFormat() == QPrinter::PdfFormat;
    const CString target = FromQStringLossy(toFile ? printer->outputFileName() : printer->printerName());
    {
        CDocument* document = view->GetDocument();
        PrintProgressWindow progress(view->GetWidget(), document ? document->GetTitle() : target);
        const int pages = toFile ? RunPagesIntoPdf(view, info, printer, &progress)
                                 : RunPages(view, info, printer, &progress);
        outcome.started = pages >= 0;
        outcome.pages = std::max(pages, 0);
        outcome.cancelled = progress.Cancelled();
    }
    if (!outcome.started) {
        AfxMessageBox(CString(u8"印刷を開始できません。\n") + target, MB_OK | MB_ICONSTOP);
    } else if (toFile && !outcome.cancelled && !HavePrinter()) {
        AfxMessageBox(CString(u8"プリンタがないため、PDF ファイルに出力しました。\n") + target,
                      MB_OK | MB_ICONINFORMATION);
    }
    return outcome;
}

bool PrintRunner::PrintToPdf(CView* view, const std::string& pdfPath) {
    std::optional<std::string> cp932Path = Utf8ToCp932Strict(pdfPath);
    if (!cp932Path) {
        return PrintPagesToPdf(view, pdfPath); // a name the safe writer cannot carry
    }
    SafeFileWriter writer(cp932Path->c_str());
    int fd = writer.Create();
    // The PDF engine opens its file by name: it gets the name of the new file's descriptor.
    if (fd < 0 || !PrintPagesToPdf(view, "/proc/self/fd/" + std::to_string(fd))) {
        return false;
    }
    try {
        writer.Commit();
    } catch (const CFileException&) {
        return false;
    }
    return true;
}

bool PrintRunner::Print(CView* view) {
    QPrinter printer(QPrinter::HighResolution);
    CPrintInfo info;
    info.m_pPrinter = &printer;
    if (!view->OnPreparePrinting(&info)) {
        return false;
    }
    return RunJob(view, &info).pages > 0;
}

void PrintRunner::Preview(CView* view) {
    QPrinter printer(QPrinter::HighResolution);
    CPrintInfo prepared;
    prepared.m_bPreview = TRUE;
    prepared.m_pPrinter = &printer;
    if (!view->OnPreparePrinting(&prepared)) {
        return;
    }
    QPrintPreviewDialog dialog(&printer, view->GetWidget() ? view->GetWidget()->window() : nullptr);
    if (auto* pages = dialog.findChild<QPrintPreviewWidget*>()) {
        PreviewPages::Attach(pages, view, prepared);
    }
    dialog.exec();
}

} // namespace platform
