// Tab while a drawing tool is active: the next point typed instead of clicked, as coordinates
// (absolute, or relative to the previous point of the figure) or as the number of an existing
// ground-surface point; what the answer means is the section-view kit's (CCoordInputDlg), and
// the view base places it like a click. A point that cannot be placed (an unknown number,
// outside the window) is refused with a message; nothing is drawn at a place the user did not
// give.

#include "section_editor/app/CBlockView.h"

#include "common/ui/section/CCoordInputDlg.h"
#include "section_editor/core/CBlockDoc.h"

namespace merdok {

namespace {

constexpr UINT kRelativeCheck = 112;

} // namespace

void CBlockView::OnCoordinateEntry() {
    if (!section::DrawsLinesOrPoints(ChosenTool()) || !Model() || ModalFigure() || m_pendingEdit) {
        return;
    }
    SetTypingPoint(true);
    ReleaseCapture();
    DPoint last;
    const bool figure = LastFigurePoint(last) != FALSE;
    CCoordInputDlg dialog(kRelativeCheck, this);
    dialog.PrepareEntry(figure ? &last : nullptr, m_bRelativeEntry, ChosenTool());
    const bool accepted = dialog.DoModal() == IDOK;
    SetTypingPoint(false);
    if (accepted) {
        if (figure) {
            m_bRelativeEntry = dialog.m_bRelative;
        }
        CBlockDoc* model = Model();
        CCoordInputDlg::PointSources sources;
        sources.groundPoint = [this](int number, DPoint& point) {
            return DocGroundPointXY(number, point.x, point.y);
        };
        sources.surfaceCrossing = [model](double x, double y, DPoint& point) {
            return model->FindNearestIntersection(x, y, point) != 0;
        };
        DPoint point;
        int rule = CFigure::kNoRule;
        if (dialog.TypedPoint(figure ? &last : nullptr, sources, point, rule)) {
            EnterTypedPoint(point, rule);
        }
    }
    UpdateWindow();
}

} // namespace merdok
