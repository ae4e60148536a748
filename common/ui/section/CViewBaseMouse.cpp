// The mouse side of the section view: the drawing tool's start, band, clicks and end, the
// right button's zoom window, the modal figure's confirmation, the cursor over objects and
// the cursor position in the main frame.
//
// The band is drawn with XOR on the window and on the tool's surface (m_bmScreen), which the
// program's painting lays over a repaint, so the band survives one. XOR restores the window
// exactly only where it was not repainted under the band; when it was, the tool's end
// repaints the window, so that no band is ever left behind.

#include "common/ui/section/CFigZoomRect.h"
#include "common/ui/section/CViewBase.h"
#include "common/ui/section/GuideIds.h"
#include "common/ui/section/GuideStrings.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/CClientDC.h"
#include "platform/ui/CDocument.h"

#include <QCursor>
#include <QWidget>

CPoint CViewBase::ToLogical(CPoint device) {
    CClientDC dc(this);
    OnPrepareDC(&dc);
    dc.DPtoLP(&device);
    return device;
}

bool CViewBase::InsideClient(const CPoint& logical) {
    if (section::Viewport::IsUnsetPoint(logical)) {
        return false;
    }
    CPoint device = logical;
    {
        CClientDC dc(this);
        OnPrepareDC(&dc);
        dc.LPtoDP(&device);
    }
    CRect client;
    GetClientRect(&client);
    return device.x >= client.left && device.x < client.right && device.y >= client.top &&
           device.y < client.bottom;
}

void CViewBase::SetToolCursor() {
    QWidget* widget = GetCanvasWidget();
    if (!widget) {
        return;
    }
    if (m_pDragFigure) {
        widget->setCursor(Qt::SizeAllCursor);
    } else if (m_nDrawMode == section::DrawMode::kNone) {
        widget->setCursor(Qt::ArrowCursor);
    } else {
        widget->setCursor(m_bOnItem ? Qt::PointingHandCursor : Qt::CrossCursor);
    }
}

void CViewBase::ChooseTool(section::DrawMode drawMode, std::optional<section::PointKind> pointKind,
                           UINT prompt, UINT title) {
    m_nDrawMode = drawMode;
    m_nDrawStep = 0;
    if (pointKind) {
        m_nPointKind = *pointKind;
    }
    m_nGuidePromptId = static_cast<int>(prompt);
    m_nGuideTitleId = static_cast<int>(title);
    SetGuidePrompt(prompt);
    SetGuideTitle(title);
    SetToolCursor();
}

void CViewBase::ShowToolPrompt() {
    SetGuidePrompt(static_cast<UINT>(m_nGuidePromptId + (m_pFigure ? 1 : 0)));
}

void CViewBase::ShowToolTitle() {
    SetGuideTitle(static_cast<UINT>(m_nGuideTitleId));
}

void CViewBase::ChangeToolPrompt(UINT prompt) {
    m_nGuidePromptId = static_cast<int>(prompt);
    SetGuidePrompt(prompt);
}

void CViewBase::OnPaint() {
    CScrollView::OnPaint();
    if (m_pFigure || zoomFigure_) {
        bandOverPainted_ = true;
    }
    if (m_pDragFigure) {
        CClientDC dc(this);
        OnPrepareDC(&dc);
        m_pDragFigure->DrawModelPolygon(&dc, m_crSelect, m_nDrawStep);
    }
}

bool CViewBase::CreateSurface() {
    CRect client;
    GetClientRect(&client);
    CClientDC dc(this);
    m_bmScreen.DeleteObject();
    return m_bmScreen.CreateCompatibleBitmap(&dc, std::max(client.Width(), 1),
                                             std::max(client.Height(), 1)) != FALSE;
}

void CViewBase::MoveBand(const CPoint* to) {
    CFigure* figure = m_pFigure ? m_pFigure.get() : zoomFigure_.get();
    if (!figure) {
        return;
    }
    const CPoint* from = hasLastRubber_ ? &lastRubber_ : nullptr;
    {
        CClientDC dc(this);
        OnPrepareDC(&dc);
        figure->Draw(&dc, from, to);
    }
    if (m_pFigure && m_bmScreen.IsCreated()) {
        CClientDC window(this);
        CDC memory;
        memory.CreateCompatibleDC(&window);
        CBitmap* old = memory.SelectObject(&m_bmScreen);
        OnPrepareDC(&memory);
        figure->Draw(&memory, from, to);
        memory.SelectObject(old);
    }
    if (to) {
        lastRubber_ = *to;
    }
    hasLastRubber_ = to != nullptr;
    GetCanvasWidget()->update();
}

void CViewBase::EraseFigure(const CFigure& figure) {
    {
        CClientDC dc(this);
        OnPrepareDC(&dc);
        figure.DrawWhole(&dc, hasLastRubber_ ? &lastRubber_ : nullptr);
    }
    hasLastRubber_ = false;
    m_bmScreen.DeleteObject();
    if (bandOverPainted_) {
        Invalidate(TRUE);
    }
    bandOverPainted_ = false;
    GetCanvasWidget()->update();
}

void CViewBase::UpdateRule(UINT flags, CPoint& point) {
    CFigure* figure = m_pFigure ? m_pFigure.get() : zoomFigure_.get();
    if (figure && ((flags & MK_SHIFT) || figure->AlwaysRuled())) {
        m_nConstraint = figure->ApplyRule(point, m_nConstraint);
    } else {
        m_nConstraint = CFigure::kNoRule;
    }
}

void CViewBase::IgnoreNextClick() {
    if (m_nDrawMode != section::DrawMode::kNone) {
        skipClick_ = SkipClick::kArmed;
    }
}

void CViewBase::OnSetFocus(CWnd* oldWnd) {
    CScrollView::OnSetFocus(oldWnd);
    if (m_nDrawMode != section::DrawMode::kNone) {
        skipClick_ = SkipClick::kArmed;
    }
    if (m_pDragFigure) {
        // Back from a table or the move dialog, the change still waits for its click.
        SetGuidePrompt(section::guide::kConfirmPrompt);
    } else if (!m_pFigure) {
        SetGuidePrompt(static_cast<UINT>(m_nGuidePromptId));
        SetGuideTitle(m_nGuideTitleId >= 0 ? static_cast<UINT>(m_nGuideTitleId) : 0);
    }
}

void CViewBase::OnLButtonDown(UINT, CPoint point) {
    if (m_nInputLock) {
        return;
    }
    if (m_pDragFigure) {
        FinishModal(TRUE);
        return;
    }
    if (skipClick_ != SkipClick::kNone) {
        skipClick_ = SkipClick::kSwallowing;
        return;
    }
    if (!m_pFigure && !zoomFigure_) {
        const CPoint logical = ToLogical(point);
        CreateDrawFigure(logical.x, logical.y, nullptr);
    }
}

void CViewBase::OnLButtonUp(UINT flags, CPoint point) {
    if (m_nInputLock || m_pDragFigure) {
        return;
    }
    if (skipClick_ != SkipClick::kNone) {
        skipClick_ = SkipClick::kNone;
        return;
    }
    if (!m_pFigure || !m_bmScreen.IsCreated()) {
        return;
    }
    if (m_bDblClick) {
        m_bDblClick = false;
        EndDrawFigure(m_pDocument);
        return;
    }
    section::FigureVertex first;
    if ((flags & MK_CONTROL) && m_pFigure->TakeFirstPoint(first)) {
        // Ctrl closes a continuous line on its first vertex.
        MoveBand(&first.logical);
        m_pFigure->SetEnd(first);
        EndDrawFigure(m_pDocument);
        return;
    }
    section::FigureVertex vertex{ToLogical(point), DPoint{}, 0};
    if (m_pFigure->HitTest(vertex.logical)) {
        return;
    }
    UpdateRule(flags, vertex.logical);
    int kind = 0;
    if (!ApplyDrawRules(vertex.logical, vertex.world, m_nConstraint, vertex.number, kind)) {
        return;
    }
    if (m_bSnapToPoint && m_pFigure->HitTest(vertex.logical)) {
        return;
    }
    MoveBand(&vertex.logical);
    m_dLastX = vertex.world.x;
    m_dLastY = vertex.world.y;
    if (m_pFigure->SetEnd(vertex)) {
        EndDrawFigure(m_pDocument);
    }
}

void CViewBase::OnLButtonDblClk(UINT, CPoint) {
    if (m_nInputLock || m_pDragFigure) {
        return;
    }
    if (m_pFigure) {
        m_bDblClick = true;
    }
}

void CViewBase::OnMouseMove(UINT flags, CPoint point) {
    if (m_pDragFigure) {
        SetToolCursor();
        ShowCursorPosition(point);
        return;
    }
    if (skipClick_ == SkipClick::kArmed) {
        skipClick_ = SkipClick::kNone;
        return;
    }
    CPoint logical = ToLogical(point);
    if (m_nDrawMode != section::DrawMode::kNone) {
        CClientDC dc(this);
        OnPrepareDC(&dc);
        m_bOnItem = IsOverObject(&dc, logical.x, logical.y) != FALSE;
    }
    SetToolCursor();
    ShowCursorPosition(point);
    if (m_pFigure || zoomFigure_) {
        UpdateRule(flags, logical);
        MoveBand(&logical);
    }
}

void CViewBase::ShowCursorPosition(CPoint device) {
    const CPoint logical = ToLogical(device);
    double x = 0.0;
    double y = 0.0;
    LogicalToWorld(logical.x, logical.y, &x, &y);
    section::SetCursorPosition(x, y);
}

void CViewBase::OnRButtonDown(UINT, CPoint point) {
    if (m_pDragFigure) {
        FinishModal(FALSE);
        return;
    }
    if (skipClick_ != SkipClick::kNone) {
        skipClick_ = SkipClick::kSwallowing;
        return;
    }
    if (m_pFigure || zoomFigure_) {
        return;
    }
    section::FigureVertex start{ToLogical(point), DPoint{}, 0};
    LogicalToWorld(start.logical.x, start.logical.y, &start.world.x, &start.world.y);
    zoomFigure_ = std::make_unique<CFigZoomRect>();
    zoomFigure_->Setup(m_crGrey, 1, 0, 0, this);
    zoomFigure_->SetStart(start);
    lastRubber_ = start.logical;
    hasLastRubber_ = true;
}

void CViewBase::OnRButtonUp(UINT, CPoint point) {
    if (skipClick_ != SkipClick::kNone) {
        skipClick_ = SkipClick::kNone;
        return;
    }
    if (m_pFigure && m_bmScreen.IsCreated()) {
        EndDrawFigure(m_pDocument);
        return;
    }
    if (zoomFigure_) {
        EndZoomWindow(ToLogical(point));
    }
}

// A release on the window's first corner, or a rectangle without width or height, leaves it
// open; any other release zooms to the rectangle.
void CViewBase::EndZoomWindow(CPoint logical) {
    if (zoomFigure_->HitTest(logical)) {
        return;
    }
    section::FigureVertex end{logical, DPoint{}, 0};
    LogicalToWorld(logical.x, logical.y, &end.world.x, &end.world.y);
    zoomFigure_->SetEnd(end);
    if (!zoomFigure_->Commit(0)) {
        return;
    }
    EraseFigure(*zoomFigure_);
    const double* rect = zoomFigure_->Rect();
    const double extent[2] = {rect[2] - rect[0], rect[3] - rect[1]};
    const DPoint centre{(rect[0] + rect[2]) / 2, (rect[1] + rect[3]) / 2};
    zoomFigure_.reset();
    m_nConstraint = 0;
    if (Zoom(extent, &centre, 0, TRUE)) {
        Invalidate(TRUE);
    }
}

void CViewBase::FinishModal(BOOL commit) {
    if (!m_pDragFigure->Finish(m_nDrawStep, commit)) {
        return;
    }
    if (commit && m_pDragFigure->ChangesModel()) {
        DocSetModified();
    }
    m_pDragFigure.reset();
    Invalidate(TRUE);
    SetToolCursor();
    ShowToolPrompt();
}

void CViewBase::SetModalFigure(std::unique_ptr<CFigure> figure) {
    m_pDragFigure = std::move(figure);
    SetGuidePrompt(section::guide::kConfirmPrompt);
    SetToolCursor();
    Invalidate(TRUE);
}

void CViewBase::CreateDrawFigure(int logicalX, int logicalY, DPoint* point) {
    std::unique_ptr<CFigure> figure = MakeFigure(m_nDrawMode);
    if (!figure) {
        return;
    }
    SetGuidePrompt(static_cast<UINT>(m_nGuidePromptId + 1));
    m_bSnap = true;
    section::FigureVertex start{CPoint(logicalX, logicalY), DPoint{}, 0};
    int kind = 0;
    if (!point || point->IsUnset()) {
        if (!ApplyDrawRules(start.logical, start.world, m_nConstraint, start.number, kind)) {
            ShowToolPrompt();
            return;
        }
    } else {
        start.world = *point;
    }
    if (!figure->SetStart(start) || !CreateSurface()) {
        ShowToolPrompt();
        return;
    }
    if (kind > 9) {
        m_nDrawStep = kind;
    }
    m_pFigure = std::move(figure);
    m_dLastX = start.world.x;
    m_dLastY = start.world.y;
    lastRubber_ = start.logical;
    hasLastRubber_ = true;
    bandOverPainted_ = false;
    UpdateWindow();
}

void CViewBase::EndDrawFigure(CDocument*) {
    if (!m_pFigure) {
        return;
    }
    std::unique_ptr<CFigure> figure = std::move(m_pFigure);
    BOOL committed = FALSE;
    {
        // Over an object the commit takes points from 1000 times the squared distance.
        const double saved = DocSquaredSnap();
        struct Restore {
            CViewBase& view;
            double saved;
            bool scaled;
            ~Restore() {
                if (scaled) {
                    view.DocSetSquaredSnap(saved);
                }
            }
        } restore{*this, saved, m_bOnItem};
        if (m_bOnItem) {
            DocSetSquaredSnap(saved * 1000.0);
        }
        committed = figure->Commit(m_nDrawStep);
    }
    EraseFigure(*figure);
    bool modal = false;
    if (committed) {
        CClientDC dc(this);
        OnPrepareDC(&dc);
        modal = figure->DrawModelPolygon(&dc, m_crSelect, m_nDrawStep) != FALSE;
    }
    if (modal) {
        m_pDragFigure = std::move(figure);
    } else if (committed) {
        if (figure->ChangesModel()) {
            DocSetModified();
        }
        if (m_pDocument) {
            m_pDocument->UpdateAllViews(nullptr, 0, figure.get());
        } else {
            Invalidate(TRUE);
        }
    }
    m_nConstraint = 0;
    if (m_nDrawStep > 9) {
        m_nDrawStep = 0;
    }
    if (m_pDragFigure) {
        SetGuidePrompt(section::guide::kConfirmPrompt);
        Invalidate(TRUE);
    } else {
        ShowToolPrompt();
    }
    SetToolCursor();
}

void CViewBase::DropDrawFigure() {
    if (!m_pFigure) {
        return;
    }
    const std::unique_ptr<CFigure> figure = std::move(m_pFigure);
    EraseFigure(*figure);
    m_nConstraint = 0;
    if (m_nDrawStep > 9) {
        m_nDrawStep = 0;
    }
    ShowToolPrompt();
    SetToolCursor();
}

BOOL CViewBase::EnterTypedPoint(const DPoint& point, int rule) {
    section::FigureVertex vertex{WorldToLogical(point.x, point.y), point, 0};
    if (!InsideClient(vertex.logical)) {
        AfxMessageBox(u8"指定点のエラーです。\n指定点がｳｨﾝﾄﾞｳ内に入るようにして下さい。");
        return FALSE;
    }
    if (!m_pFigure) {
        DPoint typed = point;
        CreateDrawFigure(vertex.logical.x, vertex.logical.y, &typed);
        if (!m_pFigure) {
            return TRUE;
        }
    } else {
        m_nConstraint = rule;
    }
    if (m_pFigure->HitTest(vertex.logical)) {
        UpdateWindow();
        return TRUE;
    }
    MoveBand(&vertex.logical);
    m_dLastX = point.x;
    m_dLastY = point.y;
    if (m_pFigure->SetEnd(vertex)) {
        EndDrawFigure(m_pDocument);
    }
    return TRUE;
}

BOOL CViewBase::LastFigurePoint(DPoint& point) const {
    if (!m_pFigure) {
        return FALSE;
    }
    point = DPoint{m_dLastX, m_dLastY};
    return TRUE;
}

// The whole figure is erased, the vertex taken back and the figure shown again, so that the
// segment to the dropped vertex goes with it.
void CViewBase::UndoLastFigurePoint() {
    if (!m_pFigure) {
        return;
    }
    const CPoint* last = hasLastRubber_ ? &lastRubber_ : nullptr;
    auto drawWhole = [this, last] {
        CClientDC dc(this);
        OnPrepareDC(&dc);
        m_pFigure->DrawWhole(&dc, last);
        if (m_bmScreen.IsCreated()) {
            CDC memory;
            memory.CreateCompatibleDC(&dc);
            CBitmap* old = memory.SelectObject(&m_bmScreen);
            OnPrepareDC(&memory);
            m_pFigure->DrawWhole(&memory, last);
            memory.SelectObject(old);
        }
    };
    drawWhole();
    CPoint removed;
    if (m_pFigure->UndoLastPoint(removed)) {
        hasLastRubber_ = false;
        m_pFigure.reset();
        m_bmScreen.DeleteObject();
        if (bandOverPainted_) {
            Invalidate(TRUE);
        }
        bandOverPainted_ = false;
        m_nConstraint = 0;
        if (m_nDrawStep > 9) {
            m_nDrawStep = 0;
        }
        ShowToolPrompt();
        GetCanvasWidget()->update();
        return;
    }
    drawWhole();
    m_dLastX = m_pFigure->Start().world.x;
    m_dLastY = m_pFigure->Start().world.y;
    GetCanvasWidget()->update();
}

void CViewBase::ToggleSnapToPoint() {
    m_bSnapToPoint = !m_bSnapToPoint;
}

void CViewBase::OnTabEntry() {}

std::unique_ptr<CFigure> CViewBase::MakeFigure(section::DrawMode) {
    return nullptr;
}

int CViewBase::CommitPointRun(const std::vector<section::FigureVertex>&) {
    return 0;
}

void CViewBase::CommitFigurePoint(const section::FigureVertex&) {}

BOOL CViewBase::CommitPick(const section::FigureVertex&) {
    return FALSE;
}

BOOL CViewBase::CommitSelection(int, CFigure&) {
    return FALSE;
}

void CViewBase::DocSetModified() {
    if (m_pDocument) {
        m_pDocument->SetModifiedFlag(TRUE);
    }
}
