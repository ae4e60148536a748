#include "drawing_viewer/app/MainView.h"

#include "drawing_viewer/app/PageCopy.h"
#include "drawing_viewer/app/PageSetup.h"
#include "drawing_viewer/app/ViewerDoc.h"
#include "drawing_viewer/app/ZaphoApp.h"
#include "drawing_viewer/app/ZaphoIds.h"

#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CPen.h"
#include "platform/ui/CWaitCursor.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace zapho {

IMPLEMENT_DYNCREATE(CMainView, CScrollView)

namespace {

constexpr int kFitMargin = 50;
constexpr double kLargestDevice = 32000.0;
constexpr int kDeviceSlack = 30;
constexpr COLORREF kZoomFrame = 0x808080;

void NotifyMainFrame(UINT id) {
    if (CWnd* mainFrame = AfxGetMainWnd()) {
        mainFrame->RouteCommand(id);
    }
}

// The paper of the page in the printer's page layout, so that printing and preview use it.
QPageLayout LayoutOfPaper(const PagePaper& paper) {
    const double longSide = std::max(paper.width, paper.height) / 10.0;
    const double shortSide = std::min(paper.width, paper.height) / 10.0;
    return QPageLayout(QPageSize(QSizeF(shortSide, longSide), QPageSize::Millimeter),
                       paper.width > paper.height ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

} // namespace

CMainView::CMainView() {
    MapCommand(ID_VIEW_ALL_MODEL, [this] { OnViewAllModel(); });
    MapCommand(ID_PAGE_NEXT, [this] { OnPageNext(); });
    MapCommand(ID_PAGE_PREVIOUS, [this] { OnPagePrevious(); });
    MapCommand(ID_PLOT_REOPEN, [this] { OnPlotReopen(); });
    MapCommand(ID_EDIT_COPY, [this] { OnCopyWhole(); });
    MapUpdate(ID_PAGE_NEXT, [this](CCmdUI* ui) { ui->Enable(m_nPage + 1 < Data().m_drawing.PageCount()); });
    MapUpdate(ID_PAGE_PREVIOUS, [this](CCmdUI* ui) { ui->Enable(m_nPage > 0); });
    MapUpdate(ID_PLOT_REOPEN,
              [this](CCmdUI* ui) { ui->Enable(GetDocument() && GetDocument()->IsPlotOutput()); });
}

CViewerDoc* CMainView::GetDocument() const {
    return dynamic_cast<CViewerDoc*>(m_pDocument);
}

CMainDoc& CMainView::Data() const {
    return GetDocument()->Data();
}

double CMainView::Scale() const {
    const double scale = Data().m_dScale;
    return platform::IsUnsetDouble(scale) || scale <= 0.0 ? 1.0 : scale;
}

void CMainView::OnInitialUpdate() {
    CScrollView::OnInitialUpdate();
    // The first drawing window fills the main window's client area, less a small border.
    ProgramState& state = ZaphoApp().State();
    if (state.firstPlacement < 2 && GetParentFrame() && GetParentFrame()->GetWidget()) {
        QWidget* frame = GetParentFrame()->GetWidget();
        for (QWidget* up = frame; up; up = up->parentWidget()) {
            if (auto* sub = qobject_cast<QMdiSubWindow*>(up)) {
                if (QMdiArea* area = sub->mdiArea()) {
                    sub->setGeometry(10, 10, area->viewport()->width() - 11, area->viewport()->height() - 11);
                }
                break;
            }
        }
        state.firstPlacement = 2;
    }
    m_nPage = std::clamp(Data().m_nCurrentPage, 0, std::max(0, Data().m_drawing.PageCount() - 1));
    Data().m_dScale = platform::kUnsetDouble;
    PageSetup();
    m_dFitScale = Scale();
    Invalidate();
}

void CMainView::PageSetup() {
    CMainDoc& doc = Data();
    const PagePaper paper = PaperOfPage(doc.m_drawing, m_nPage);
    CRect client;
    GetClientRect(&client);
    doc.m_dScale =
        FitScale(paper.width, paper.height, client.Width(), client.Height(), kFitMargin, kFitMargin);
    doc.m_dOriginX = 0.0;
    doc.m_dOriginY = paper.height;
    doc.m_dOffsetX = doc.m_dOffsetY = 0.0;
    m_dPaperW = paper.width;
    m_dPaperH = paper.height;
    ResyncScrollSizes(0.0, m_dPaperH);
    RefreshPrompt();
    m_bRedraw = true;
}

void CMainView::ResyncScrollSizes(double paperX, double paperY) {
    const double scale = Scale();
    SetScrollSizes(MM_TEXT, CSize(static_cast<int>(std::lround(m_dPaperW * scale)),
                                  static_cast<int>(std::lround(m_dPaperH * scale))));
    ScrollToPosition(CPoint(static_cast<int>(std::lround(paperX * scale)),
                            static_cast<int>(std::lround((m_dPaperH - paperY) * scale))));
}

void CMainView::RefreshPrompt() {
    ProgramState& state = ZaphoApp().State();
    const PagePaper paper = PaperOfPage(Data().m_drawing, m_nPage);
    state.promptText = PromptText(CString(), m_nPage, Data().m_drawing.PageCount(),
                                  PaperName(paper.paperCode, paper.orientation));
    state.messageText.Empty();
    NotifyMainFrame(ID_NOTIFY_MESSAGE);
    NotifyMainFrame(ID_NOTIFY_PROMPT);
}

void CMainView::OnPrepareDC(CDC* dc, CPrintInfo* info) {
    if (dc->IsPrinting()) {
        dc->SetMapMode(MM_LOMETRIC);
        CScrollView::OnPrepareDC(dc, info);
        return;
    }
    const double scale = Scale();
    const CPoint scroll = GetScrollPosition();
    dc->SetMapMode(MM_ANISOTROPIC);
    dc->SetWindowOrg(0, 0);
    dc->SetWindowExt(static_cast<int>(m_dPaperW), -static_cast<int>(m_dPaperH));
    dc->SetViewportOrg(-scroll.x, -scroll.y);
    dc->SetViewportExt(static_cast<int>(std::lround(m_dPaperW * scale)),
                       static_cast<int>(std::lround(m_dPaperH * scale)));
}

void CMainView::OnDraw(CDC* dc) {
    CMainDoc& doc = Data();
    if (m_dPaperW <= 0 || m_dPaperH <= 0) {
        return;
    }
    const double scale = doc.m_dScale;
    doc.m_dScale = 1.0; // the DC's mapping scales
    DrawPageItems(dc, doc, m_nPage, m_bRedraw && !dc->IsPrinting(),
                  ZaphoApp().State().settings.monochromePrint != 0);
    doc.m_dScale = scale;
    m_bRedraw = false;
    if (m_bZoomDrag && !dc->IsPrinting()) {
        // The zoom range with both diagonals, in device units.
        dc->SetMapMode(MM_TEXT);
        dc->SetViewportOrg(0, 0);
        CPen pen(PS_SOLID, 1, kZoomFrame);
        CPen* old = dc->SelectObject(&pen);
        const CPoint a = m_zoomStart, b = m_zoomEnd;
        dc->MoveTo(a.x, a.y);
        dc->LineTo(b.x, a.y);
        dc->LineTo(b.x, b.y);
        dc->LineTo(a.x, b.y);
        dc->LineTo(a.x, a.y);
        dc->LineTo(b.x, b.y);
        dc->MoveTo(b.x, a.y);
        dc->LineTo(a.x, b.y);
        dc->SelectObject(old);
    }
}

void CMainView::ClientToPaper(CPoint point, double& x, double& y) const {
    const CPoint scroll = GetScrollPosition();
    const double scale = Scale();
    x = (point.x + scroll.x) / scale;
    y = m_dPaperH - (point.y + scroll.y) / scale;
}

CPoint CMainView::PaperToClient(double x, double y) const {
    const CPoint scroll = GetScrollPosition();
    const double scale = Scale();
    return CPoint(static_cast<int>(std::lround(x * scale)) - scroll.x,
                  static_cast<int>(std::lround((m_dPaperH - y) * scale)) - scroll.y);
}

void CMainView::OnSize(UINT type, int cx, int cy) {
    CScrollView::OnSize(type, cx, cy);
    // The window gets its size after the first update: the page is fitted into it then.
    if (!m_bFitted && cx > 0 && cy > 0 && GetDocument()) {
        PageSetup();
        m_dFitScale = Scale();
        Invalidate();
    }
}

void CMainView::OnViewAllModel() {
    CRect client;
    GetClientRect(&client);
    Data().m_dScale = FitScale(static_cast<int>(m_dPaperW), static_cast<int>(m_dPaperH), client.Width(),
                               client.Height(), kFitMargin, kFitMargin);
    m_dFitScale = Scale();
    ResyncScrollSizes(0.0, m_dPaperH);
    m_bRedraw = true;
    Invalidate();
}

bool CMainView::ZoomTo(double x1, double y1, double x2, double y2) {
    const double width = std::abs(x2 - x1) + 1.0;
    const double height = std::abs(y2 - y1) + 1.0;
    CRect client;
    GetClientRect(&client);
    const double scale =
        FitScale(static_cast<int>(width), static_cast<int>(height), client.Width(), client.Height(), 0, 0);
    if (m_dPaperW * scale + kDeviceSlack > kLargestDevice ||
        m_dPaperH * scale + kDeviceSlack > kLargestDevice) {
        AfxMessageBox(u8"これ以上拡大できません。!!!");
        return false;
    }
    CMainDoc& doc = Data();
    doc.m_dScale = scale;
    doc.m_dOffsetX = doc.m_dOffsetY = 0.0;
    m_bRedraw = true;
    const double centreX = (x1 + x2) / 2.0;
    const double centreY = (y1 + y2) / 2.0;
    ResyncScrollSizes(centreX - client.Width() * 0.5 / scale, centreY + client.Height() * 0.5 / scale);
    Invalidate();
    return true;
}

void CMainView::OnRButtonDown(UINT flags, CPoint point) {
    CScrollView::OnRButtonDown(flags, point);
    m_bZoomDrag = true;
    m_zoomStart = m_zoomEnd = point;
    SetCapture();
}

void CMainView::OnMouseMove(UINT flags, CPoint point) {
    CScrollView::OnMouseMove(flags, point);
    ProgramState& state = ZaphoApp().State();
    double x = 0.0, y = 0.0;
    ClientToPaper(point, x, y);
    state.cursorX = x / 100.0;
    state.cursorY = y / 100.0;
    NotifyMainFrame(ID_NOTIFY_CURSOR);
    if (m_bZoomDrag) {
        m_zoomEnd = point;
        Invalidate(FALSE);
    }
}

void CMainView::OnRButtonUp(UINT flags, CPoint point) {
    CScrollView::OnRButtonUp(flags, point);
    if (!m_bZoomDrag) {
        return;
    }
    m_zoomEnd = point;
    // A rectangle without width or height keeps the figure: the next release ends it.
    if (m_zoomEnd.x == m_zoomStart.x || m_zoomEnd.y == m_zoomStart.y) {
        return;
    }
    m_bZoomDrag = false;
    ReleaseCapture();
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    ClientToPaper(m_zoomStart, x1, y1);
    ClientToPaper(m_zoomEnd, x2, y2);
    if (!ZoomTo(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2))) {
        Invalidate();
    }
}

void CMainView::OnSetFocus(CWnd* oldWnd) {
    CScrollView::OnSetFocus(oldWnd);
    if (GetDocument()) {
        RefreshPrompt();
    }
}

void CMainView::GoToPage(int page) {
    if (page < 0 || page >= Data().m_drawing.PageCount()) {
        MessageBeep(0);
        return;
    }
    const PagePaper before = PaperOfPage(Data().m_drawing, m_nPage);
    const PagePaper after = PaperOfPage(Data().m_drawing, page);
    m_nPage = page;
    Data().m_nCurrentPage = page;
    if (before.paperCode != after.paperCode || before.orientation != after.orientation ||
        before.width != after.width || before.height != after.height) {
        PageSetup();
    } else {
        RefreshPrompt();
        m_bRedraw = true;
    }
    Invalidate();
}

void CMainView::OnPageNext() {
    GoToPage(m_nPage + 1);
}

void CMainView::OnPagePrevious() {
    GoToPage(m_nPage - 1);
}

void CMainView::OnPlotReopen() {
    CViewerDoc* doc = GetDocument();
    if (!doc || !doc->ReopenPlotFiles()) {
        return;
    }
    m_nPage = Data().m_nCurrentPage;
    PageSetup();
    Invalidate();
}

void CMainView::OnCopyWhole() {
    CopyPageToClipboard(Data(), m_nPage, ZaphoApp().State().settings.monochromePrint != 0);
    RefreshPrompt();
}

BOOL CMainView::OnPreparePrinting(CPrintInfo* info) {
    info->SetMinPage(1);
    info->SetMaxPage(static_cast<UINT>(std::max(1, Data().m_drawing.PageCount())));
    info->m_nCurPage = static_cast<UINT>(m_nPage + 1);
    // Every sheet takes the paper of the page shown.
    if (info->m_pPrinter) {
        info->m_pPrinter->setPageLayout(LayoutOfPaper(PaperOfPage(Data().m_drawing, m_nPage)));
    }
    return DoPreparePrinting(info);
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
    m_savedScale = doc.m_dScale;
    m_savedOriginX = doc.m_dOriginX;
    m_savedOriginY = doc.m_dOriginY;
    // Centre the paper of the page shown on the printable area (whose height is negative
    // in these units), halving in whole units.
    const int originX = static_cast<int>(m_dPaperW) / 2 - draw.Width() / 2;
    const int originY = static_cast<int>(m_dPaperH) / 2 - (draw.bottom - draw.top) / 2;
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
    doc.m_dScale = m_savedScale;
    doc.m_dOriginX = m_savedOriginX;
    doc.m_dOriginY = m_savedOriginY;
}

void CMainView::OnEndPrinting(CDC* dc, CPrintInfo* info) {
    CScrollView::OnEndPrinting(dc, info);
    Invalidate();
}

} // namespace zapho
