// Printing of the main view: every page on the sheet of its own paper and orientation,
// centred at the paper's true scale, in a job named after the drawing.

#include "drawing_viewer/app/CMainView.h"

#include "drawing_viewer/app/CViewerDoc.h"
#include "drawing_viewer/app/CZaphoApp.h"
#include "drawing_viewer/app/PageCopy.h"
#include "drawing_viewer/app/PageSetup.h"

#include "platform/ui/CPrintInfo.h"
#include "platform/ui/PrintRunner.h"
#include "platform/ui/QtText.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <algorithm>

namespace zapho {

namespace {

// The paper codes of the printer settings (JIS B sizes for B4 and B5, as the codes mean).
QPageSize SizeOfPaperCode(int code) {
    switch (code) {
    case 8:
        return QPageSize(QPageSize::A3);
    case 9:
        return QPageSize(QPageSize::A4);
    case 11:
        return QPageSize(QPageSize::A5);
    case 12:
        return QPageSize(QPageSize::JisB4);
    case 13:
        return QPageSize(QPageSize::JisB5);
    default:
        return QPageSize();
    }
}

// The sheet of a page: its paper code's size turned as its orientation says; a page without
// a paper code takes its drawing size.
QPageLayout LayoutOfPaper(const PagePaper& paper, const QMarginsF& margins) {
    QPageSize size = SizeOfPaperCode(paper.paperCode);
    QPageLayout::Orientation orientation =
        paper.orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (!size.isValid()) {
        const double longSide = std::max(paper.width, paper.height) / 10.0;
        const double shortSide = std::min(paper.width, paper.height) / 10.0;
        size = QPageSize(QSizeF(shortSide, longSide), QPageSize::Millimeter);
        orientation = paper.width > paper.height ? QPageLayout::Landscape : QPageLayout::Portrait;
    }
    return QPageLayout(size, orientation, margins, QPageLayout::Millimeter);
}

// Gives the printer the sheet of a page; the page that starts next is printed on it.
void UsePaperOfPage(QPrinter* printer, const PlotDrawing& drawing, int page) {
    if (printer && page >= 0 && page < drawing.PageCount()) {
        printer->setPageLayout(LayoutOfPaper(PaperOfPage(drawing, page), ZaphoApp().PrintMargins()));
    }
}

} // namespace

void CMainView::OnFilePrint() {
    QPrinter printer(QPrinter::HighResolution);
    ZaphoApp().ApplyPrintSetup(printer);
    CPrintInfo info;
    info.m_pPrinter = &printer;
    if (!OnPreparePrinting(&info)) {
        return;
    }
    ZaphoApp().KeepPrintSetup(printer);
    platform::PrintRunner::RunJob(this, &info);
}

BOOL CMainView::OnPreparePrinting(CPrintInfo* info) {
    info->SetMinPage(1);
    info->SetMaxPage(static_cast<UINT>(std::max(1, Data().m_drawing.PageCount())));
    info->m_nCurPage = static_cast<UINT>(m_nPage + 1);
    if (info->m_pPrinter) {
        info->m_pPrinter->setDocName(platform::ToQString(GetDocument()->GetTitle()));
        UsePaperOfPage(info->m_pPrinter, Data().m_drawing, m_nPage);
    }
    if (!DoPreparePrinting(info)) {
        return FALSE;
    }
    // The first sheet of the range chosen takes its page's paper before printing begins.
    UsePaperOfPage(info->m_pPrinter, Data().m_drawing, static_cast<int>(info->GetFromPage()) - 1);
    return TRUE;
}

void CMainView::OnBeginPrinting(CDC* dc, CPrintInfo* info) {
    CScrollView::OnBeginPrinting(dc, info);
    info->m_nNumPreviewPages = 1;
}

void CMainView::ReverseTextAngles() {
    for (auto& font : Data().m_drawing.m_fonts) {
        if (font->m_nEscapement != 0) {
            font->m_nEscapement = 3600 - font->m_nEscapement;
            font->m_nOrientation = 3600 - font->m_nOrientation;
        }
    }
}

void CMainView::OnPrint(CDC* dc, CPrintInfo* info) {
    CMainDoc& doc = Data();
    const int page = static_cast<int>(info->m_nCurPage) - 1;
    CRect draw = info->m_rectDraw;
    dc->DPtoLP(&draw);
    savedScale_ = doc.m_dScale;
    savedOriginX_ = doc.m_dOriginX;
    savedOriginY_ = doc.m_dOriginY;
    // Centre the page's paper on the printable area (whose height is negative in these
    // units), halving in whole units.
    const PagePaper paper = PaperOfPage(doc.m_drawing, page);
    const int originX = paper.width / 2 - draw.Width() / 2;
    const int originY = paper.height / 2 - (draw.bottom - draw.top) / 2;
    doc.m_dOriginX = originX;
    doc.m_dOriginY = originY;
    doc.m_dScale = 1.0;
    const bool reverse = !info->m_bPreview && ZaphoApp().State().settings.reverseAnglePrint != 0;
    if (reverse) {
        ReverseTextAngles();
    }
    DrawPageItems(dc, doc, page, false, ZaphoApp().State().settings.monochromePrint != 0);
    if (reverse) {
        ReverseTextAngles();
    }
    doc.m_dScale = savedScale_;
    doc.m_dOriginX = savedOriginX_;
    doc.m_dOriginY = savedOriginY_;
    // A preview's sheets keep one size; a printer or PDF starts the next sheet on its page's paper.
    if (!info->m_bPreview) {
        UsePaperOfPage(info->m_pPrinter, doc.m_drawing, page + 1);
    }
}

void CMainView::OnEndPrinting(CDC* dc, CPrintInfo* info) {
    CScrollView::OnEndPrinting(dc, info);
    Invalidate();
}

} // namespace zapho
