// Tab while a drawing tool is active: the next point typed instead of clicked, as coordinates
// (absolute, or relative to the previous point of the figure) or as the number of an existing
// ground-surface point; the view base places it like a click. A point that cannot be placed
// (an unknown number, outside the window) is refused with a message; nothing is drawn at a
// place the user did not give.

#include "section_editor/app/CBlockView.h"

#include "common/ui/section/CCoordInputDlg.h"
#include "platform/core/MessageSink.h"
#include "section_editor/core/CBlockDoc.h"

namespace merdok {

namespace {

constexpr UINT kRelativeCheck = 112;

bool IsSet(double value) {
    return !platform::IsUnsetDouble(value);
}

} // namespace

void CBlockView::OnCoordinateEntry() {
    if (m_nDrawMode < kSingleLine || m_nDrawMode > kRightBoundPoint || !Model() || ModalFigure() ||
        m_pendingEdit) {
        return;
    }
    m_nInputLock = 1;
    ReleaseCapture();
    DPoint last;
    const bool figure = LastFigurePoint(last) != FALSE;
    CCoordInputDlg dialog(kRelativeCheck, this);
    if (figure) {
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
        int rule = CFigure::kNoRule;
        if (EnteredPoint(dialog, point, rule)) {
            EnterTypedPoint(point, rule);
        }
    }
    UpdateWindow();
}

bool CBlockView::EnteredPoint(const CCoordInputDlg& dialog, DPoint& point, int& rule) const {
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
    DPoint last;
    if (!LastFigurePoint(last)) {
        return true;
    }
    // Within a figure an empty coordinate keeps the previous point's (a vertical or horizontal
    // segment), and relative entry adds to it.
    const bool relative = dialog.m_bRelative != FALSE;
    if (!IsSet(point.x)) {
        rule = CFigure::kVertical;
    } else if (!IsSet(point.y)) {
        rule = CFigure::kHorizontal;
    }
    point.x = IsSet(point.x) ? (relative ? last.x + point.x : point.x) : last.x;
    point.y = IsSet(point.y) ? (relative ? last.y + point.y : point.y) : last.y;
    return true;
}

} // namespace merdok
