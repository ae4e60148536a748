// Tab while a drawing tool is active: the next point typed instead of clicked, as coordinates
// (absolute, or relative to the previous point of the figure) or as the number of an existing
// ground-surface point. A point that cannot be placed is refused with a message; nothing is
// drawn at a place the user did not give.

#include "section_editor/app/CBlockView.h"

#include "common/ui/section/CCoordInputDlg.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/CClientDC.h"
#include "section_editor/core/CBlockDoc.h"

namespace merdok {

namespace {

constexpr UINT kRelativeCheck = 112;

bool IsSet(double value) {
    return !platform::IsUnsetDouble(value);
}

} // namespace

void CBlockView::OnCoordinateEntry() {
    if (m_nDrawMode < kSingleLine || m_nDrawMode > kRightBoundPoint || !Model()) {
        return;
    }
    m_nInputLock = 1;
    ReleaseCapture();
    const bool figure = !m_figure.empty();
    CCoordInputDlg dialog(kRelativeCheck, this);
    if (figure) {
        const DPoint& last = m_figure.back();
        dialog.m_strPrompt.Format(u8"直前点の座標 (%10.3lf,%10.3lf )", last.x, last.y);
        dialog.m_bRelative = m_bRelativeEntry;
    }
    dialog.m_bFirstPoint = figure ? FALSE : TRUE;
    dialog.m_nToolMode = m_nDrawMode;
    const bool accepted = dialog.DoModal() == IDOK;
    m_nInputLock = 0;
    if (accepted) {
        if (figure) {
            m_bRelativeEntry = dialog.m_bRelative;
        }
        DPoint point;
        if (EnteredPoint(dialog, point) && IsInWindow(point)) {
            // The rubber band of a figure still in progress starts at the point typed.
            m_ptCursor = WorldToLogical(point.x, point.y);
            AddFigurePoint(point);
        }
    }
    Invalidate(FALSE);
    UpdateWindow();
}

bool CBlockView::EnteredPoint(const CCoordInputDlg& dialog, DPoint& point) const {
    CBlockDoc* model = Model();
    point = DPoint{dialog.m_dX, dialog.m_dY};
    const bool surfaceBoundary = m_nDrawMode == kLeftBoundPoint || m_nDrawMode == kRightBoundPoint;
    if (surfaceBoundary && IsSet(point.x)) {
        // A boundary point on the ground surface lies on the ground line below or above x.
        if (!model->FindNearestIntersection(point.x, point.y, point)) {
            AfxMessageBox(u8"地表境界点が見つかりませんGetKotenAllSufaceLine");
            return false;
        }
        return true;
    }
    if (!IsSet(point.x) && !IsSet(point.y)) {
        if (!DocGroundPointXY(dialog.m_nPointNumber, point.x, point.y)) {
            CString message;
            message.Format(u8"地表点番号 %d が不正です !!", dialog.m_nPointNumber);
            AfxMessageBox(message);
            return false;
        }
        return true;
    }
    if (m_figure.empty()) {
        return true;
    }
    // Within a figure an empty coordinate keeps the previous point's, and relative entry
    // adds to it.
    const DPoint& last = m_figure.back();
    const bool relative = dialog.m_bRelative != FALSE;
    point.x = IsSet(point.x) ? (relative ? last.x + point.x : point.x) : last.x;
    point.y = IsSet(point.y) ? (relative ? last.y + point.y : point.y) : last.y;
    return true;
}

bool CBlockView::IsInWindow(const DPoint& point) {
    CPoint device = WorldToLogical(point.x, point.y);
    CClientDC dc(this);
    OnPrepareDC(&dc);
    dc.LPtoDP(&device);
    CRect client;
    GetClientRect(&client);
    if (section::Viewport::IsUnsetPoint(WorldToLogical(point.x, point.y)) || !client.PtInRect(device)) {
        AfxMessageBox(u8"指定点のエラーです。\n指定点がｳｨﾝﾄﾞｳ内に入るようにして下さい。");
        return false;
    }
    return true;
}

} // namespace merdok
