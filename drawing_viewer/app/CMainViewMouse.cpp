// The view's modes and mouse protocol: the figures of the copy range, the string input and
// selection and the right-button zoom, the string hit test, the TAB coordinate entry and the
// selection marks.

#include "drawing_viewer/app/CCoordInputDlg.h"
#include "drawing_viewer/app/CFigCopyRange.h"
#include "drawing_viewer/app/CFigStringPoint.h"
#include "drawing_viewer/app/CFigStringSelect.h"
#include "drawing_viewer/app/CFigZoomRange.h"
#include "drawing_viewer/app/CMainView.h"
#include "drawing_viewer/app/CViewerDoc.h"
#include "drawing_viewer/app/CZaphoApp.h"
#include "drawing_viewer/app/PageCopy.h"
#include "drawing_viewer/app/PageSetup.h"
#include "drawing_viewer/app/ViewTexts.h"
#include "drawing_viewer/app/ZaphoIds.h"

#include "platform/core/MessageSink.h"
#include "platform/ui/CClientDC.h"
#include "platform/ui/CPen.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace zapho {

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr int kAnchorMark = 4;

void NotifyMainFrame(UINT id) {
    if (CWnd* mainFrame = AfxGetMainWnd()) {
        mainFrame->RouteCommand(id);
    }
}

CString ModeText(int mode) {
    switch (mode) {
    case CMainView::kCopyRangeMode:
        return CString(u8"編集(E)  選択ｺﾋﾟｰ(I)");
    case CMainView::kStringInputMode:
        return CString(u8"文字(S)  入力(I)");
    case CMainView::kStringSelectMode:
        return CString(u8"文字(S)  選択(S)");
    default:
        return CString();
    }
}

} // namespace

void CMainView::RefreshPrompt() {
    ShowModeText();
    ShowMessage(nullptr);
}

void CMainView::ShowModeText() {
    const PagePaper paper = PaperOfPage(Data().m_drawing, m_nPage);
    ZaphoApp().State().promptText = PromptText(ModeText(m_nMode), m_nPage, Data().m_drawing.PageCount(),
                                               PaperName(paper.paperCode, paper.orientation));
    NotifyMainFrame(ID_NOTIFY_PROMPT);
}

void CMainView::ShowMessage(const char8_t* text) {
    ProgramState& state = ZaphoApp().State();
    if (text) {
        state.messageText = CString(text);
    } else {
        state.messageText.Empty();
    }
    NotifyMainFrame(ID_NOTIFY_MESSAGE);
}

void CMainView::SetMode(int mode, int figureType, const char8_t* prompt) {
    m_pFigure.reset();
    m_pConfirmFigure.reset();
    m_bZoomDrag = false;
    ReleaseCapture();
    m_nMode = mode;
    m_nFigureType = figureType;
    ShowMessage(prompt);
    ShowModeText();
    UpdateCursor();
}

void CMainView::UpdateCursor() {
    QWidget* canvas = GetCanvasWidget();
    if (!canvas) {
        return;
    }
    if (m_pConfirmFigure) {
        canvas->setCursor(Qt::PointingHandCursor);
    } else if (m_nMode != kNoMode) {
        canvas->setCursor(Qt::CrossCursor);
    } else {
        canvas->setCursor(Qt::ArrowCursor);
    }
}

void CMainView::DeselectAllStrings() {
    for (const auto& text : PageTexts()) {
        text->m_nSelect = 0;
    }
    Invalidate();
}

std::vector<std::unique_ptr<CPlotString>>& CMainView::PageTexts() const {
    return Data().m_drawing.Page(m_nPage).m_texts;
}

int CMainView::HitTest(double x, double y) const {
    const auto& texts = PageTexts();
    int hit = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const CPlotString& text = *texts[i];
        const CRect box = text.BoundingRect(text.m_x, text.m_y);
        if (x < box.left || x > box.right || y < box.top || y > box.bottom) {
            continue;
        }
        hit = static_cast<int>(i) + 1;
        if (text.m_nSelect == 1) {
            return m_bCtrl ? hit : -hit;
        }
    }
    return hit;
}

CFigure::Point CMainView::MakePoint(CPoint client, bool hitTest) const {
    CFigure::Point point;
    point.client = client;
    ClientToPaper(client, point.x, point.y);
    if (hitTest && m_nMode != kNoMode) {
        point.hit = HitTest(point.x, point.y);
    }
    return point;
}

void CMainView::ApplyConstraint(CPoint& client) const {
    if (!m_pFigure) {
        return;
    }
    const CPoint start = m_pFigure->StartPoint().client;
    if (m_nConstrain == 1) {
        client.y = start.y;
    } else if (m_nConstrain == 2) {
        client.x = start.x;
    } else if (GetKeyState(VK_SHIFT) < 0) {
        m_pFigure->Constrain(client);
    }
}

void CMainView::CreateDrawFigure(const CFigure::Point& point) {
    std::unique_ptr<CFigure> figure;
    switch (m_nMode) {
    case kCopyRangeMode:
        figure = std::make_unique<CFigCopyRange>(*this, m_crSelect);
        break;
    case kStringInputMode:
        figure = std::make_unique<CFigStringPoint>(*this, m_crFigure);
        break;
    case kStringSelectMode:
        figure = std::make_unique<CFigStringSelect>(*this, m_crFigure);
        break;
    default:
        return;
    }
    if (!figure->Start(point)) {
        return;
    }
    m_pFigure = std::move(figure);
    m_ptLast = point.client;
    if (m_nMode == kCopyRangeMode) {
        ShowMessage(kPromptRangeOpposite);
    }
    SetCapture();
}

void CMainView::TrackFigure(CPoint client) {
    CClientDC dc(this);
    m_pFigure->Track(dc, client);
    m_ptLast = client;
}

void CMainView::EndDrawFigure() {
    const int type = m_nMode == kStringSelectMode && m_bCtrl ? 3 : m_nFigureType;
    std::unique_ptr<CFigure> figure = std::move(m_pFigure);
    {
        CClientDC dc(this);
        figure->EraseBand(dc);
    }
    if (figure->Commit(type)) {
        CClientDC dc(this);
        if (figure->Draw(dc, type)) {
            m_pConfirmFigure = std::move(figure);
            ShowMessage(kPromptConfirm);
        } else {
            Invalidate();
        }
    } else if (m_nMode == kCopyRangeMode) {
        ShowMessage(kPromptRangeCorner);
    }
    m_nConstrain = 0;
    m_bCtrl = false;
    if (!m_pConfirmFigure) {
        ReleaseCapture();
        if (m_nMode == kStringSelectMode) {
            ShowMessage(kPromptStringSelect);
        }
    }
    UpdateCursor();
}

void CMainView::ConfirmRange(bool confirmed) {
    std::unique_ptr<CFigure> figure = std::move(m_pConfirmFigure);
    figure->Finish(m_nFigureType, confirmed);
    ReleaseCapture();
    m_nMode = kNoMode;
    RefreshPrompt();
    UpdateCursor();
    Invalidate();
}

void CMainView::OnLButtonDown(UINT flags, CPoint point) {
    CScrollView::OnLButtonDown(flags, point);
    if (m_bBusy) {
        return;
    }
    if (m_pConfirmFigure) {
        ConfirmRange(true);
        return;
    }
    if (!m_pFigure && !m_bSkipClick) {
        m_bCtrl = (flags & MK_CONTROL) != 0;
        CreateDrawFigure(MakePoint(point, true));
    }
}

void CMainView::OnLButtonUp(UINT flags, CPoint point) {
    CScrollView::OnLButtonUp(flags, point);
    if (m_bBusy || m_pConfirmFigure || m_bZoomDrag) {
        return;
    }
    if (m_bSkipClick) {
        m_bSkipClick = false;
        return;
    }
    if (!m_pFigure) {
        return;
    }
    double x = 0.0, y = 0.0;
    ClientToPaper(point, x, y);
    if (m_pFigure->IsNearStart(x, y)) {
        return;
    }
    ApplyConstraint(point);
    if (m_pFigure->Next(MakePoint(point, true))) {
        TrackFigure(point);
    }
    EndDrawFigure();
}

void CMainView::OnRButtonDown(UINT flags, CPoint point) {
    CScrollView::OnRButtonDown(flags, point);
    if (m_pConfirmFigure) {
        ConfirmRange(false);
        return;
    }
    if (m_pFigure || m_bSkipClick) {
        return;
    }
    auto zoom = std::make_unique<CFigZoomRange>(*this, m_crFigure);
    zoom->Start(MakePoint(point, false));
    m_pFigure = std::move(zoom);
    m_ptLast = point;
    m_bZoomDrag = true;
    SetCapture();
}

void CMainView::OnRButtonUp(UINT flags, CPoint point) {
    CScrollView::OnRButtonUp(flags, point);
    if (m_bSkipClick) {
        m_bSkipClick = false;
        return;
    }
    if (!m_pFigure) {
        return;
    }
    if (m_bZoomDrag) {
        EndZoom(point);
    } else {
        EndDrawFigure();
    }
}

void CMainView::EndZoom(CPoint point) {
    const CFigure::Point end = MakePoint(point, false);
    if (m_pFigure->IsNearStart(end.x, end.y)) {
        return; // the next release ends it
    }
    m_pFigure->Next(end);
    if (!m_pFigure->Commit(0)) {
        return; // no width or no height yet
    }
    const auto& zoom = static_cast<const CFigZoomRange&>(*m_pFigure);
    const double x1 = zoom.MinX(), y1 = zoom.MinY(), x2 = zoom.MaxX(), y2 = zoom.MaxY();
    {
        CClientDC dc(this);
        m_pFigure->EraseBand(dc);
    }
    m_pFigure.reset();
    m_bZoomDrag = false;
    ReleaseCapture();
    if (!ZoomTo(x1, y1, x2, y2)) {
        Invalidate();
    }
}

void CMainView::OnMouseMove(UINT flags, CPoint point) {
    CScrollView::OnMouseMove(flags, point);
    if (m_pConfirmFigure) {
        UpdateCursor();
        return;
    }
    if (m_bSkipClick) {
        m_bSkipClick = false;
        return;
    }
    UpdateCursor();
    ProgramState& state = ZaphoApp().State();
    double x = 0.0, y = 0.0;
    ClientToPaper(point, x, y);
    state.cursorX = x / 100.0;
    state.cursorY = y / 100.0;
    NotifyMainFrame(ID_NOTIFY_CURSOR);
    if (m_pFigure) {
        ApplyConstraint(point);
        TrackFigure(point);
    }
}

void CMainView::OnSetFocus(CWnd* oldWnd) {
    CScrollView::OnSetFocus(oldWnd);
    if (!GetDocument()) {
        return;
    }
    if (m_nMode != kNoMode) {
        m_bSkipClick = true;
    }
    ShowModeText();
    ShowMessage(m_nMode == kStringInputMode    ? kPromptStringInput
                : m_nMode == kStringSelectMode ? kPromptStringSelect
                                               : nullptr);
}

void CMainView::OnKeyDown(UINT keyCode, UINT repeatCount, UINT flags) {
    if (keyCode == VK_TAB && m_nMode == kCopyRangeMode) {
        TabCoordinates();
        return;
    }
    CScrollView::OnKeyDown(keyCode, repeatCount, flags);
}

void CMainView::TabCoordinates() {
    m_bBusy = true;
    QWidget* canvas = GetCanvasWidget();
    const bool captured = canvas && QWidget::mouseGrabber() == canvas;
    if (captured) {
        ReleaseCapture();
    }
    RunCoordinateEntry();
    if (captured && (m_pFigure || m_pConfirmFigure)) {
        SetCapture();
    }
    m_bBusy = false;
    UpdateWindow();
}

void CMainView::RunCoordinateEntry() {
    CCoordInputDlg dialog(this);
    const bool second = m_pFigure != nullptr;
    if (second) {
        const CFigure::Point& start = m_pFigure->StartPoint();
        dialog.m_strPrevious.Format(u8"直前点の座標 (%10.3lf,%10.3lf )", start.x / 100.0, start.y / 100.0);
        dialog.m_bRelative = m_bRelative ? TRUE : FALSE;
        dialog.m_dX = m_dRangeX2;
        dialog.m_dY = m_dRangeY2;
    } else {
        dialog.m_bFirstPoint = TRUE;
        dialog.m_dX = m_dRangeX1;
        dialog.m_dY = m_dRangeY1;
    }
    if (dialog.DoModal() != IDOK) {
        ShowMessage(kPromptRangeCorner);
        return;
    }
    double x = platform::IsUnsetDouble(dialog.m_dX) ? dialog.m_dX : dialog.m_dX * 100.0;
    double y = platform::IsUnsetDouble(dialog.m_dY) ? dialog.m_dY : dialog.m_dY * 100.0;
    if (second) {
        const CFigure::Point& start = m_pFigure->StartPoint();
        m_bRelative = dialog.m_bRelative != FALSE;
        if (platform::IsUnsetDouble(x)) {
            x = start.x;
            m_nConstrain = 2;
        } else if (m_bRelative) {
            x += start.x;
        }
        if (platform::IsUnsetDouble(y)) {
            y = start.y;
            m_nConstrain = 1;
        } else if (m_bRelative) {
            y += start.y;
        }
    }
    CFigure::Point point;
    point.client = PaperToClient(x, y);
    point.x = x;
    point.y = y;
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point.client)) {
        AfxMessageBox(u8"指定点のエラーです。\n指定点がｳｨﾝﾄﾞｳ内に入るようにして下さい。");
        ShowMessage(second ? kPromptRangeOpposite : kPromptRangeCorner);
        return;
    }
    if (!second) {
        CreateDrawFigure(point);
        if (!m_pFigure) {
            return;
        }
    }
    if (m_pFigure->IsNearStart(x, y)) {
        return;
    }
    TrackFigure(point.client);
    if (m_pFigure->Next(point)) {
        EndDrawFigure();
    }
}

void CMainView::OnCopyRange() {
    SetMode(kCopyRangeMode, 1, kPromptRangeCorner);
}

void CMainView::CopyRange(double x1, double y1, double x2, double y2) {
    m_dRangeX1 = x1 / 100.0;
    m_dRangeY1 = y1 / 100.0;
    m_dRangeX2 = x2 / 100.0;
    m_dRangeY2 = y2 / 100.0;
    PaperRange range;
    range.left = static_cast<int>(std::min(x1, x2));
    range.top = static_cast<int>(std::max(y1, y2));
    range.width = static_cast<int>(std::abs(x1 - x2)) + 1;
    range.height = static_cast<int>(std::abs(y1 - y2)) + 1;
    CopyPageToClipboard(Data(), m_nPage, ZaphoApp().State().settings.monochromePrint != 0, &range);
}

void CMainView::DrawMarks(CDC* dc) {
    dc->SetMapMode(MM_TEXT);
    dc->SetWindowOrg(0, 0);
    dc->SetViewportOrg(0, 0);
    if (m_crSelect != kWhite) {
        CPen pen(PS_SOLID, 0, m_crSelect);
        CPen* oldPen = dc->SelectObject(&pen);
        auto* oldBrush = static_cast<CBrush*>(dc->SelectStockObject(NULL_BRUSH));
        const int oldRop = dc->SetROP2(R2_XORPEN);
        for (const auto& text : PageTexts()) {
            if (text->m_nSelect != 1) {
                continue;
            }
            const auto corners = text->BoxCorners(text->m_x, text->m_y);
            CPoint outline[4];
            for (std::size_t i = 0; i < 4; ++i) {
                outline[i] = PaperToClient(corners[i].x, corners[i].y);
            }
            dc->Polygon(outline, 4);
            const CPoint anchor = PaperToClient(text->m_x, text->m_y);
            dc->Rectangle(anchor.x - kAnchorMark, anchor.y - kAnchorMark, anchor.x + kAnchorMark,
                          anchor.y + kAnchorMark);
        }
        dc->SetROP2(oldRop);
        dc->SelectObject(oldBrush);
        dc->SelectObject(oldPen);
    }
    if (m_pConfirmFigure) {
        m_pConfirmFigure->Draw(*dc, m_nFigureType);
    }
    if (m_pFigure) {
        m_pFigure->RedrawBand(*dc);
    }
}

} // namespace zapho
