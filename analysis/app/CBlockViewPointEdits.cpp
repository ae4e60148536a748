// Changing the selected points: their coordinates in a table (points that end up at one
// position are joined) and their move by a typed displacement. Both leave a pending edit
// (common/section/SelectedPointEdits.h) that waits for the confirming click. Only
// ground-surface points are taken: a selected measurement or boundary point shares numbers
// with ground points but not their map.

#include "analysis/app/CBlockView.h"
#include "analysis/app/CGridDlg1.h"
#include "analysis/app/CTorvanDoc.h"
#include "analysis/app/PointTableDlg.h"

#include "analysis/core/CBlockDoc.h"
#include "common/section/SelectedPointEdits.h"
#include "common/ui/section/CMoveDlg.h"
#include "common/ui/table/CGridLineSettings.h"
#include "platform/core/MapEntries.h"
#include "platform/core/Unset.h"

#include <vector>

using section::PointKind;

namespace torvan {

namespace {

constexpr UINT kSelectedTableTemplate = 902;
constexpr UINT kMoveTemplate = 122;

section::PointRecord RecordOf(const CNode& point) {
    section::PointRecord record;
    record.number = point.number;
    record.x = point.x;
    record.y = point.y;
    record.kind = point.kind;
    return record;
}

} // namespace

std::vector<CNode*> CBlockView::SelectedGroundPoints() const {
    std::vector<CNode*> points;
    for (POSITION pos = Selection().GetHeadPosition(); pos;) {
        auto* point = dynamic_cast<CNode*>(Selection().GetNext(pos));
        if (point && point->kind == PointKind::kGround) {
            points.push_back(point);
        }
    }
    return points;
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

void CBlockView::TakeSelectedPointRows(const std::vector<CGridData*>& rows) {
    CBlockDoc* model = Model();
    model->SetModifiedFlag();
    m_pendingEdit.reset();
    ClearSelection();
    std::vector<CoordinateRow> table;
    for (CGridData* row : rows) {
        CoordinateRow entry;
        entry.number = row->IntCell(0);
        entry.x = row->RealCell(0);
        entry.y = row->RealCell(1);
        table.push_back(entry);
    }
    const auto lookup = [model](int number, section::PointRecord& point) {
        CObject* object = nullptr;
        if (number < 1 || number > 0x10000 ||
            !model->GroundPoints().Lookup(static_cast<WORD>(number - 1), object)) {
            return false;
        }
        point = RecordOf(*static_cast<const CNode*>(object));
        return true;
    };
    StartPendingConfirmation(std::make_unique<section::PendingPointEdit>(
        section::PrepareCoordinateEdit(std::move(table), lookup)));
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
    m_pendingEdit.reset();
    std::vector<section::PointRecord> points;
    for (const CNode* point : SelectedGroundPoints()) {
        points.push_back(RecordOf(*point));
    }
    ClearSelection();
    StartPendingConfirmation(
        std::make_unique<section::PendingPointEdit>(section::PrepareMove(points, dialog.m_dX, dialog.m_dY)));
    return 1;
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
