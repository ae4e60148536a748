// Changing the selected points: their coordinates in a table (points that end up at one
// position are joined) and their move by a typed displacement. Both leave pending copies
// that wait for the confirming click. Only ground-surface points are taken: a selected
// measurement or boundary point shares numbers with ground points but not their map.

#include "analysis/app/CBlockView.h"
#include "analysis/app/CGridDlg1.h"
#include "analysis/app/CTorvanDoc.h"
#include "analysis/app/PointTableDlg.h"

#include "analysis/core/CBlockDoc.h"
#include "common/ui/section/CMoveDlg.h"
#include "common/ui/table/CGridLineSettings.h"
#include "platform/core/MapEntries.h"
#include "platform/core/Unset.h"

#include <cmath>
#include <vector>

namespace torvan {

namespace {

constexpr UINT kSelectedTableTemplate = 902;
constexpr UINT kMoveTemplate = 122;
// Selected points closer than this in both x and y become one.
constexpr double kJoinDistance = 0.0004;

} // namespace

std::vector<CNode*> CBlockView::SelectedGroundPoints() const {
    std::vector<CNode*> points;
    for (POSITION pos = m_listSelect.GetHeadPosition(); pos;) {
        auto* point = dynamic_cast<CNode*>(m_listSelect.GetNext(pos));
        if (point && point->kind == CNode::kGround) {
            points.push_back(point);
        }
    }
    return points;
}

CNode* CBlockView::GroundPointOfRow(CGridData& row) const {
    const int number = row.IntCell(0);
    CObject* object = nullptr;
    if (platform::IsUnsetInt(number) || number < 1 || number > 0x10000 ||
        !Model()->GroundPoints().Lookup(static_cast<WORD>(number - 1), object)) {
        return nullptr;
    }
    return static_cast<CNode*>(object);
}

int CBlockView::InputPointCoordinates() {
    CBlockDoc* model = Model();
    if (!model || HasPendingPoints()) {
        return 0;
    }
    PointTableDlg table(this, kSelectedTableTemplate, 0, kTableGroundPoints);
    table.m_strNote = CString(u8"* 座標が等しい点は1つの点に結合されます");
    table.CreateDataArray(3, CGridLineSettings::Instance().VisibleRows(kTableGroundPoints), 0);
    table.CreateGridStyle({CString(u8"番号 5 5 0 1 10000"), CString(u8"X座標(m) 10 10 3 -99999 999999"),
                           CString(u8"Y座標(m) 10 10 3 -99999 999999")},
                          CString(u8"点座標入力(選択)"), CString(u8"行番"), -2, -2);
    for (CNode* point : SelectedGroundPoints()) {
        CGridData* row = table.Columns().NewRow();
        row->IntCell(0) = point->number;
        row->RealCell(0) = point->x;
        row->RealCell(1) = point->y;
        table.m_rows.AddTail(row);
    }
    table.m_nRows = table.m_nRowLimit = table.m_rows.GetCount();
    table.m_notifyMessage = WM_GRID_CHECK_ROWS;
    table.m_notifyOwner = [this](UINT, int kind, CGridDlg* grid) { return OnGridCheckRows(kind, grid); };
    const bool confirmed = table.DoModal() == IDOK;
    if (confirmed) {
        std::vector<CGridData*> rows;
        for (POSITION pos = table.m_rows.GetHeadPosition(); pos;) {
            rows.push_back(static_cast<CGridData*>(table.m_rows.GetNext(pos)));
        }
        TakeSelectedPointRows(rows);
    }
    CGridLineSettings::Instance().SetVisibleRows(kTableGroundPoints, table.m_nVisibleRows);
    table.DeleteRowData();
    return confirmed ? 1 : 0;
}

void CBlockView::TakeSelectedPointRows(std::vector<CGridData*>& rows) {
    Model()->SetModifiedFlag();
    ClearFigureMap();
    ClearSelection();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        CGridData& row = *rows[i];
        CNode* point = GroundPointOfRow(row);
        if (!point) {
            continue;
        }
        for (std::size_t j = i + 1; j < rows.size(); ++j) {
            CGridData& later = *rows[j];
            CNode* joined = GroundPointOfRow(later);
            if (!joined || std::fabs(row.RealCell(0) - later.RealCell(0)) >= kJoinDistance ||
                std::fabs(row.RealCell(1) - later.RealCell(1)) >= kJoinDistance) {
                continue;
            }
            joined->state = CNode::kMarked;
            auto* copy = new CNode(joined->number, row.RealCell(0), row.RealCell(1), CNode::kMarked);
            copy->kind = CNode::kGround;
            copy->seqNo = -point->number;
            StorePendingPoint(joined->number - 1, copy);
            later.IntCell(0) = platform::kUnsetInt;
        }
        if (row.RealCell(0) != point->x || row.RealCell(1) != point->y) {
            point->state = CNode::kMarked;
            auto* copy = new CNode(point->number, row.RealCell(0), row.RealCell(1), CNode::kMarked);
            copy->kind = CNode::kGround;
            copy->seqNo = CBlockDoc::kPendingMove;
            StorePendingPoint(point->number - 1, copy);
        }
    }
    StartPendingConfirmation(CNode::kGround);
}

int CBlockView::MovePoints() {
    CBlockDoc* model = Model();
    if (!model || HasPendingPoints()) {
        return 0;
    }
    CMoveDlg dialog(kMoveTemplate, this);
    if (dialog.DoModal() != IDOK) {
        return 0;
    }
    model->SetModifiedFlag();
    ClearFigureMap();
    const std::vector<CNode*> points = SelectedGroundPoints();
    ClearSelection();
    for (CNode* point : points) {
        auto* copy = new CNode(point->number, point->x, point->y, CNode::kMarked);
        copy->kind = CNode::kGround;
        copy->seqNo = CBlockDoc::kPendingMove;
        if (!platform::IsUnsetDouble(dialog.m_dX)) {
            copy->x += dialog.m_dX;
        }
        if (!platform::IsUnsetDouble(dialog.m_dY)) {
            copy->y += dialog.m_dY;
        }
        point->state = CNode::kMarked;
        StorePendingPoint(point->number - 1, copy);
    }
    StartPendingConfirmation(CNode::kGround);
    return 1;
}

std::vector<CViewBase::GroundPointRow> CBlockView::DocGroundPoints() const {
    std::vector<GroundPointRow> rows;
    CBlockDoc* model = Model();
    for (int key = 0; model && key < model->MaxNode() && key <= 0xFFFF; ++key) {
        CObject* object = nullptr;
        if (model->GroundPoints().Lookup(static_cast<WORD>(key), object)) {
            const auto* point = static_cast<const CNode*>(object);
            rows.push_back({point->number, point->x, point->y, point->state});
        }
    }
    return rows;
}

void CBlockView::OnChangePointCoordinates() {
    InputPointCoordinates();
}

void CBlockView::OnEditMove() {
    MovePoints();
}

void CBlockView::OnUpdateSelectedPointEdit(CCmdUI* ui) {
    ui->Enable(!HasPendingPoints() && !m_bBlockTableOpen && !SelectedGroundPoints().empty());
}

} // namespace torvan
