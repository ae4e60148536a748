// One point through the point dialog: a new boundary point before the document stores it,
// and a boundary point changed after the mouse picked it. Both write into the document at
// once; a ground-surface boundary point is moved onto the ground-surface line.

#include "analysis/app/CBlockView.h"
#include "analysis/app/CPointEditDlg.h"
#include "analysis/app/CTorvanDoc.h"
#include "analysis/app/SlipLineTreeDlg.h"

#include "analysis/core/CBlockDoc.h"
#include "platform/core/Unset.h"

using section::PointKind;

namespace torvan {

namespace {

int ChangeModeOf(const CNode& point) {
    switch (point.slipMark) {
    case CNode::kSlipUsed:
        return CPointEditDlg::kViewUsed;
    case CNode::kSlipFixed:
        return CPointEditDlg::kFixedBySection;
    case CNode::kSlipFixedUsed:
        return CPointEditDlg::kViewFixedUsed;
    default:
        return CPointEditDlg::kChange;
    }
}

} // namespace

// The X range check and the ground-surface crossing of a boundary point; false after the message.
bool CBlockView::PlaceBoundaryPoint(const CNode& point, double& x, double& y) {
    if (!point.IsBoundary()) {
        return true;
    }
    double minX = 0, maxX = 0;
    if (ModelXRange(minX, maxX) && (x < minX || x > maxX)) {
        AfxMessageBox(u8"指定したX座標はﾓﾃﾞﾙ範囲外です !!");
        return false;
    }
    if ((point.kind == PointKind::kLeftBoundary || point.kind == PointKind::kRightBoundary) && x != point.x) {
        DPoint crossing;
        if (!Model()->FindNearestIntersection(x, y, crossing)) {
            AfxMessageBox(u8"地表境界点が見つかりません GetKotenAllSufaceLine");
            return false;
        }
        x = crossing.x;
        y = crossing.y;
    }
    return true;
}

int CBlockView::EnterPointByDialog(CNode& point) {
    CBlockDoc* model = Model();
    if (!model) {
        return 0;
    }
    CPointEditDlg dialog(model->PointMapOfKind(point.kind), point, CPointEditDlg::kNew, this);
    if (dialog.DoModal() != IDOK) {
        return 0;
    }
    model->SetModifiedFlag();
    if (!TakePointDialog(point, dialog)) {
        return 0;
    }
    model->UpdateMaxNumbers(point.kind > PointKind::kMeasurement ? PointKind::kInnerBoundary : point.kind);
    return 1;
}

bool CBlockView::TakePointDialog(CNode& point, const CPointEditDlg& dialog) {
    double x = dialog.m_dX;
    double y = dialog.m_dY;
    if (!PlaceBoundaryPoint(point, x, y)) {
        return false;
    }
    point.x = x;
    point.y = y;
    point.beta = dialog.m_dBeta;
    point.alpha = dialog.m_dAlpha;
    point.name = dialog.m_strName;
    point.state = CNode::kMarked;
    return true;
}

int CBlockView::ChangeBoundaryPointByDialog(CNode& point) {
    CBlockDoc* model = Model();
    if (!model) {
        return 0;
    }
    const int mode = ChangeModeOf(point);
    CPointEditDlg dialog(model->BoundaryPoints(), point, mode, this);
    if (dialog.DoModal() != IDOK || mode == CPointEditDlg::kViewUsed ||
        mode == CPointEditDlg::kViewFixedUsed) {
        return 0;
    }
    if (dialog.m_dX == point.x && dialog.m_dY == point.y && dialog.m_dBeta == point.beta &&
        dialog.m_dAlpha == point.alpha && dialog.m_strName == point.name) {
        return 0;
    }
    model->SetModifiedFlag();
    if (!TakePointDialog(point, dialog)) {
        return 0;
    }
    model->UpdateMaxNumbers(PointKind::kInnerBoundary);
    if (m_pTreeDlg) {
        m_pTreeDlg->FillTree();
    }
    return 1;
}

} // namespace torvan
