#include "drawing_viewer/app/CMainView.h"

#include "drawing_viewer/app/CPlotPreviewView.h"
#include "drawing_viewer/app/CViewerDoc.h"
#include "drawing_viewer/app/CZaphoApp.h"
#include "drawing_viewer/app/FirstFramePlacement.h"
#include "drawing_viewer/app/PageCopy.h"
#include "drawing_viewer/app/PageSetup.h"
#include "drawing_viewer/app/ZaphoIds.h"

#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CPen.h"
#include "platform/ui/CWaitCursor.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace zapho {

IMPLEMENT_DYNCREATE(CMainView, CScrollView)

namespace {

constexpr int kFitMargin = 50;
constexpr double kLargestDevice = 32000.0;
constexpr int kDeviceSlack = 30;

} // namespace

CMainView::CMainView() : m_logfont(ZaphoApp().State().settings.plotFont) {
    MapCommand(ID_VIEW_ALL_MODEL, [this] { OnViewAllModel(); });
    MapCommand(ID_COPY_RANGE, [this] { OnCopyRange(); });
    MapCommand(ID_FILE_PRINT, [this] { OnFilePrint(); });
    MapCommand(ID_FILE_PRINT_PREVIEW, [this] {
        if (CPlotPreviewView::Run(this)) {
            RouteCommand(ID_FILE_PRINT);
        }
    });
    MapCommand(ID_STRING_INPUT, [this] { OnStringInput(); });
    MapCommand(ID_STRING_FONT, [this] { OnStringFont(); });
    MapCommand(ID_STRING_SELECT, [this] { OnStringSelect(); });
    MapCommand(ID_STRING_DELETE, [this] { OnStringDelete(); });
    MapCommand(ID_STRING_SIZE, [this] { OnStringSize(); });
    MapCommand(ID_SYSTEM_SETTINGS, [this] { OnSystemSettings(); });
    MapCommand(ID_DXF_OUTPUT, [this] { OnDxfOutput(); });
    MapCommand(ID_PAGE_NEXT, [this] { OnPageNext(); });
    MapCommand(ID_PAGE_PREVIOUS, [this] { OnPagePrevious(); });
    MapCommand(ID_PLOT_REOPEN, [this] { OnPlotReopen(); });
    MapCommand(ID_EDIT_COPY, [this] { OnCopyWhole(); });
    MapUpdate(ID_PAGE_NEXT, [this](CCmdUI* ui) { ui->Enable(m_nPage + 1 < Data().m_drawing.PageCount()); });
    MapUpdate(ID_PAGE_PREVIOUS, [this](CCmdUI* ui) { ui->Enable(m_nPage > 0); });
    MapUpdate(ID_PLOT_REOPEN,
              [this](CCmdUI* ui) { ui->Enable(GetDocument() && GetDocument()->IsPlotOutput()); });
}

CMainView::~CMainView() {
    // The font the last view held is the one the settings keep.
    ZaphoApp().State().settings.plotFont = m_logfont;
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
    // The first drawing window fills the main window's client area, less a small border, once
    // the main window's layout has given that area its size.
    if (ZaphoApp().State().firstPlacement < 2 && GetCanvasWidget()) {
        QTimer::singleShot(0, GetCanvasWidget(), [this] { PlaceFirstFrame(); });
    }
    m_nPage = std::clamp(Data().m_nCurrentPage, 0, std::max(0, Data().m_drawing.PageCount() - 1));
    Data().m_dScale = platform::kUnsetDouble;
    PageSetup();
    m_dFitScale = Scale();
    Invalidate();
}

void CMainView::PlaceFirstFrame() {
    ProgramState& state = ZaphoApp().State();
    if (state.firstPlacement >= 2 || !GetParentFrame() || !GetParentFrame()->GetWidget()) {
        return;
    }
    state.firstPlacement = 2;
    for (QWidget* up = GetParentFrame()->GetWidget(); up; up = up->parentWidget()) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(up)) {
            FirstFramePlacement::Place(sub);
            return;
        }
    }
}

CSize CMainView::FittingClientSize() const {
    CRect client;
    GetClientRect(&client);
    CSize size(client.Width(), client.Height());
    // The scroll bars of a zoomed page go once it fits: their room belongs to the page.
    if (QScrollBar* bar = VerticalBar(); bar && bar->isVisible()) {
        size.cx += bar->width();
    }
    if (QScrollBar* bar = HorizontalBar(); bar && bar->isVisible()) {
        size.cy += bar->height();
    }
    return size;
}

void CMainView::PageSetup() {
    CMainDoc& doc = Data();
    const PagePaper paper = PaperOfPage(doc.m_drawing, m_nPage);
    const CSize client = FittingClientSize();
    doc.m_dScale = FitScale(paper.width, paper.height, client.cx, client.cy, kFitMargin, kFitMargin);
    doc.m_dOriginX = 0.0;
    doc.m_dOriginY = paper.height;
    doc.m_dOffsetX = doc.m_dOffsetY = 0.0;
    m_dPaperW = paper.width;
    m_dPaperH = paper.height;
    m_dFitScale = doc.m_dScale;
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
    const bool monochrome = ZaphoApp().State().settings.monochromePrint != 0;
    if (dc->IsPrinting()) {
        DrawPageItems(dc, doc, m_nPage, false, monochrome);
    } else {
        DrawPageItemsInBands(dc, doc, m_nPage, m_bRedraw, monochrome);
    }
    doc.m_dScale = scale;
    m_bRedraw = false;
    if (!dc->IsPrinting()) {
        DrawMarks(dc);
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
    // The window gets its size after the first update: the page is fitted into it then, and
    // again while it stays fitted. A zoomed page keeps its scale: the scroll bars a zoom
    // brings change the window's size as well.
    if (cx > 0 && cy > 0 && GetDocument() && (!fitted_ || Scale() == m_dFitScale)) {
        PageSetup();
        fitted_ = true;
        Invalidate();
    }
}

void CMainView::OnViewAllModel() {
    const CSize client = FittingClientSize();
    Data().m_dScale = FitScale(static_cast<int>(m_dPaperW), static_cast<int>(m_dPaperH), client.cx, client.cy,
                               kFitMargin, kFitMargin);
    m_dFitScale = Scale();
    ResyncScrollSizes(0.0, m_dPaperH);
    m_bRedraw = true;
    Invalidate();
}

CSize CMainView::ZoomClientSize(int width, int height, double& scale) const {
    const CSize whole = FittingClientSize();
    const QScrollBar* bar = VerticalBar();
    const int thickness = bar ? bar->sizeHint().width() : 0;
    CSize usable = whole;
    // A bar that takes room may make the page need the other one too: a few passes settle it.
    for (int pass = 0; pass < 3; ++pass) {
        scale = FitScale(width, height, usable.cx, usable.cy, 0, 0);
        const bool horizontal = std::lround(m_dPaperW * scale) > usable.cx;
        const bool vertical = std::lround(m_dPaperH * scale) > usable.cy;
        usable = CSize(whole.cx - (vertical ? thickness : 0), whole.cy - (horizontal ? thickness : 0));
    }
    scale = FitScale(width, height, usable.cx, usable.cy, 0, 0);
    return usable;
}

bool CMainView::ZoomTo(double x1, double y1, double x2, double y2) {
    const double width = std::abs(x2 - x1) + 1.0;
    const double height = std::abs(y2 - y1) + 1.0;
    // The rectangle fills the room the scroll bars of the zoomed page leave, centred in it.
    double scale = 1.0;
    const CSize client = ZoomClientSize(static_cast<int>(width), static_cast<int>(height), scale);
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
    ResyncScrollSizes(centreX - client.cx * 0.5 / scale, centreY + client.cy * 0.5 / scale);
    Invalidate();
    return true;
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
    SetMode(kNoMode, 0, nullptr);
}

} // namespace zapho
