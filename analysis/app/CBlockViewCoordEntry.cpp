// Tab in a drawing tool: the next point typed instead of clicked, as coordinates (absolute,
// or relative to the figure's last point) or as the number of a ground-surface point. What
// the answer means is the section-view kit's (CCoordInputDlg); the document answers where a
// point number and a ground-surface crossing lie.

#include "analysis/app/CBlockView.h"

#include "analysis/core/CBlockDoc.h"
#include "common/ui/section/CCoordInputDlg.h"
#include "platform/core/Unset.h"

namespace torvan {

namespace {

constexpr UINT kRelativeCheck = 193;

} // namespace

void CBlockView::OnTabEntry() {
    CBlockDoc* model = Model();
    if (!model) {
        return;
    }
    DPoint previous;
    const bool figure = LastFigurePoint(previous) != FALSE;
    CCoordInputDlg dialog(kRelativeCheck, this);
    dialog.PrepareEntry(figure ? &previous : nullptr, m_bRelativeEntry, ChosenTool());
    dialog.m_bNumberForBoundaryTools = TRUE; // a boundary point may sit on a ground point
    if (dialog.DoModal() != IDOK) {
        if (figure) {
            UpdateWindow();
        }
        return;
    }
    if (figure) {
        m_bRelativeEntry = dialog.m_bRelative;
    }
    CCoordInputDlg::PointSources sources;
    sources.groundPoint = [this](int number, DPoint& point) {
        return DocGroundPointXY(number, point.x, point.y);
    };
    // Without a typed Y the crossing nearest to the datum line is taken.
    sources.surfaceCrossing = [model](double x, double y, DPoint& point) {
        return model->FindNearestIntersection(x, platform::IsUnsetDouble(y) ? 0.0 : y, point) != 0;
    };
    DPoint point;
    int rule = 0;
    if (dialog.TypedPoint(figure ? &previous : nullptr, sources, point, rule)) {
        EnterTypedPoint(point, rule);
    }
}

} // namespace torvan
