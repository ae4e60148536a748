// The section view's coordinate tables, the coordinate edit of the selected points and the
// editing settings. An accepted table or edit waits as a pending edit, drawn over the model,
// until the user confirms it with a left click or drops it with a right click.

#include "section_editor/app/CBlockView.h"

#include "section_editor/app/CMerdokApp.h"
#include "section_editor/app/CPointEditDlg.h"
#include "section_editor/app/CSystemSettingDlg.h"
#include "section_editor/app/MerdokIds.h"

#include "common/ui/section/CFigMovePoint.h"
#include "common/ui/section/CMoveDlg.h"
#include "common/ui/section/GuideIds.h"
#include "common/ui/table/CGridCodeDlg.h"
#include "common/ui/table/CGridLineSettings.h"
#include "common/ui/table/GridMenus.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/CClientDC.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CPen.h"
#include "section_editor/core/CBlockDoc.h"
#include "section_editor/core/PointEdits.h"
#include "section_editor/core/PointTable.h"

using section::PointKind;

namespace merdok {

namespace {

// The message a table sends its owner on OK (0 keeps it open).
constexpr UINT kGridCheckRows = 0x400 + 101;
constexpr int kSelectedPointsTable = 800;
constexpr UINT kSelectedPointsTemplate = 902;
constexpr UINT kMoveTemplate = 121;

const char8_t* const kNumberStyle = u8"番号 5 5 0 1 10000";
const char8_t* const kXStyle = u8"X座標(m) 10 10 3 -99999 999999";
const char8_t* const kYStyle = u8"Y座標(m) 10 10 3 -99999 999999";

struct TableLayout {
    UINT templateId;
    UINT popupMenu;
    const char8_t* title;
};

TableLayout LayoutOf(int kind) {
    switch (kind) {
    case kTableGroundLine:
        return {1545, 909, u8"地表線座標入力"};
    case kTableSitePoints:
        return {919, 907, u8"計測点座標入力"};
    case kTableBoundPoints:
        return {1544, 907, u8"境界点座標入力"};
    default:
        return {919, 907, u8"地表点座標入力"};
    }
}

std::vector<CString> StylesOf(int kind) {
    std::vector<CString> styles = {CString(kNumberStyle), CString(kXStyle), CString(kYStyle)};
    if (kind == kTableSitePoints || kind == kTableBoundPoints) {
        styles.emplace_back(u8"地点名 15 15 -99 -2 -2");
    }
    if (kind == kTableBoundPoints) {
        styles.emplace_back(u8"ﾌﾗｸﾞ 5 5 0 0 2");
        styles.emplace_back(u8"種類 7 0 -99 -2 -2");
    }
    return styles;
}

CGridCodeDlg::Coding BoundaryFlagCoding() {
    CGridCodeDlg::Coding coding;
    coding.column = 5;
    coding.intIndex = 1;
    coding.textIndex = 1;
    coding.texts = {CString(u8"地中"), CString(u8"左地表"), CString(u8"右地表")};
    coding.outOfRange = CString(u8"ﾌﾗｸﾞは 0～2です");
    coding.note = CString(u8"ﾌﾗｸﾞ  0:地中  1:左地表 2:右地表\n注）地表境界点はX座標のみ指定して下さい。");
    return coding;
}

UINT ProgramClipboardFormat() {
    auto* app = dynamic_cast<CMerdokApp*>(AfxGetApp());
    return app ? app->ClipboardFormat() : 0;
}

// The table's data rows (int 0 number, int 1 flag; real 0 X, real 1 Y; text 0 name).
std::vector<CoordinateRow> RowsOf(CGridDlg& table) {
    std::vector<CoordinateRow> rows;
    const int texts = table.Columns().TextCount();
    for (int i = 1; i <= table.m_nRows; ++i) {
        CGridData* data = table.RowAt(i);
        if (!data) {
            break;
        }
        CoordinateRow row;
        row.number = data->IntCell(0);
        row.x = data->RealCell(0);
        row.y = data->RealCell(1);
        if (texts > 0) {
            row.name = data->TextCell(0);
        }
        if (table.Columns().IntCount() > 1) {
            row.flag = data->IntCell(1);
        }
        rows.push_back(row);
    }
    return rows;
}

void FillRows(CGridDlg& table, const std::vector<CoordinateRow>& rows, const CGridCodeDlg* coded) {
    for (const CoordinateRow& source : rows) {
        CGridData* row = table.Columns().NewRow();
        row->IntCell(0) = source.number;
        row->RealCell(0) = source.x;
        row->RealCell(1) = source.y;
        if (table.Columns().TextCount() > 0) {
            row->TextCell(0) = source.name;
        }
        if (coded) {
            row->IntCell(1) = source.flag;
            row->TextCell(1) = coded->GetCodeText(5, source.flag);
        }
        table.m_rows.AddTail(row);
    }
    table.m_nRows = table.m_rows.GetCount();
}

std::unique_ptr<CGridDlg> MakeTable(CWnd* owner, int kind, UINT templateId, UINT popupMenu) {
    if (kind == kTableBoundPoints) {
        return std::make_unique<CGridCodeDlg>(owner, templateId, popupMenu, kind, BoundaryFlagCoding());
    }
    return std::make_unique<CGridDlg>(owner, templateId, popupMenu, kind);
}

// Widens the extent to take the box in.
void Include(double (&extent)[4], const double (&box)[4]) {
    extent[0] = std::min(extent[0], box[0]);
    extent[1] = std::max(extent[1], box[1]);
    extent[2] = std::min(extent[2], box[2]);
    extent[3] = std::max(extent[3], box[3]);
}

} // namespace

void CBlockView::MapTableCommands() {
    MapCommand(ID_INPUT_GROUND_LINE, [this] { OnInputSurfaceLine(); });
    MapCommand(ID_INPUT_MEASURE_POINTS, [this] { OnInputMeasurePoints(); });
    MapCommand(ID_INPUT_BOUND_POINTS, [this] { OnInputBoundPoints(); });
    MapCommand(ID_CHANGE_POINT_COORDINATES, [this] { OnEditPointCoords(); });
    MapCommand(ID_SYSTEM_SETTINGS, [this] { OnSystemSettings(); });
    MapCommand(ID_EDIT_MOVE, [this] { OnEditMove(); });
    MapUpdate(ID_EDIT_MOVE,
              [this](CCmdUI* ui) { ui->Enable(!m_pendingEdit && !SelectedGroundPoints().empty()); });
    MapUpdate(ID_CHANGE_POINT_COORDINATES,
              [this](CCmdUI* ui) { ui->Enable(!SelectedGroundPoints().empty()); });
    for (UINT id : {ID_INPUT_GROUND_LINE, ID_INPUT_MEASURE_POINTS, ID_INPUT_BOUND_POINTS}) {
        MapUpdate(id, [this](CCmdUI* ui) { ui->Enable(!m_pendingEdit); });
    }
}

std::vector<const CNode*> CBlockView::SelectedGroundPoints() const {
    std::vector<const CNode*> points;
    for (POSITION pos = Selection().GetHeadPosition(); pos;) {
        if (const auto* point = dynamic_cast<const CNode*>(Selection().GetNext(pos));
            point && point->GetKind() == PointKind::kGround) {
            points.push_back(point);
        }
    }
    return points;
}

void CBlockView::OnInputSurfaceLine() {
    CBlockDoc* model = Model();
    if (!model || m_pendingEdit) {
        return;
    }
    std::vector<const CNode*> order;
    if (model->CheckGroundLine(order, false)) {
        OpenPointTable(kTableGroundLine, order);
        return;
    }
    AfxMessageBox(u8"地表線が不正のため、点編集になります");
    OpenPointTable(kTableGroundPoints, {});
}

void CBlockView::OnInputMeasurePoints() {
    if (Model() && !m_pendingEdit) {
        OpenPointTable(kTableSitePoints, {});
    }
}

void CBlockView::OnInputBoundPoints() {
    if (Model() && !m_pendingEdit) {
        OpenPointTable(kTableBoundPoints, {});
    }
}

void CBlockView::LeaveTool() {
    DropDrawFigure();
    ChooseTool(section::DrawMode::kNone, std::nullopt, section::guide::kMenuPrompt, section::guide::kNone);
}

void CBlockView::OpenPointTable(int kind, const std::vector<const CNode*>& lineOrder) {
    CBlockDoc& model = *Model();
    const TableLayout layout = LayoutOf(kind);
    const std::vector<CString> styles = StylesOf(kind);
    std::unique_ptr<CGridDlg> table = MakeTable(this, kind, layout.templateId, layout.popupMenu);
    table->CreateDataArray(static_cast<int>(styles.size()), CGridLineSettings::Instance().VisibleRows(kind),
                           ProgramClipboardFormat());
    table->CreateGridStyle(styles, CString(layout.title), CString(u8"行番"), platform::kUnsetInt,
                           platform::kUnsetInt);
    table->m_nRowLimit = PointTableRowLimit(kind);
    table->m_notifyMessage = kGridCheckRows;
    table->m_notifyOwner = [this](UINT, int tableKind, CGridDlg* grid) {
        return OnGridCheckRows(tableKind, grid);
    };
    table->m_bEnterStepsFields = TRUE;
    CMenu menu;
    BuildGridTableMenu(menu);
    table->SetMenuBar(&menu);
    table->SetPopupMenu(&menu);
    LeaveTool();
    FillRows(*table, PointTableRows(model, kind, lineOrder), dynamic_cast<const CGridCodeDlg*>(table.get()));
    const int result = table->DoModal();
    CGridLineSettings::Instance().SetVisibleRows(kind, table->m_nVisibleRows);
    if (result == IDOK) {
        TakeTableRows(kind, RowsOf(*table));
    }
    Invalidate(FALSE);
}

long CBlockView::OnGridCheckRows(int kind, CGridDlg* table) {
    CBlockDoc* model = Model();
    if (!model || !table) {
        return 1;
    }
    const std::vector<CoordinateRow> rows = RowsOf(*table);
    return CheckPointTableRows(*model, kind, rows, DrawRange().xmin, DrawRange().xmax);
}

void CBlockView::TakeTableRows(int kind, const std::vector<CoordinateRow>& rows) {
    CBlockDoc& model = *Model();
    TableExtents extents;
    std::unique_ptr<PendingPointEdit> edit = PreparePointTableEdit(model, kind, rows, &extents);
    if (!edit || !edit->ChangesAnything()) {
        return;
    }
    // The edit's marks take the points' states, so nothing stays selected.
    ClearSelection();
    MarkPendingEdit(model, *edit);
    if (kind == kTableGroundLine) {
        FitGroundLineRows(extents.all);
    } else {
        ShowChangedArea(extents.changed);
    }
    StartPendingEdit(std::move(edit));
}

// The ground line's rows become the model's extent; a line without width (or height) gets
// 100 m (50 m) on each side.
void CBlockView::FitGroundLineRows(const double (&all)[4]) {
    if (all[0] > all[1]) {
        return;
    }
    double box[4] = {all[0], all[1], all[2], all[3]};
    if (box[1] - box[0] == 0.0) {
        box[0] -= 100.0;
        box[1] += 100.0;
    }
    if (box[3] - box[2] == 0.0) {
        box[2] -= 50.0;
        box[3] += 50.0;
    }
    std::copy(box, box + 4, Model()->m_dModelBox);
    const double size[2] = {box[1] - box[0], box[3] - box[2]};
    Zoom(size, nullptr, 20, FALSE);
}

// When the changed points reach the window's edge (5 pixels in), the view takes them in.
void CBlockView::ShowChangedArea(const double (&changed)[4]) {
    if (changed[0] > changed[1]) {
        return;
    }
    CRect client;
    GetClientRect(&client);
    client.InflateRect(-5, -5);
    const CPoint topLeft = DeviceToLogical(client.TopLeft());
    const CPoint bottomRight = DeviceToLogical(client.BottomRight());
    double window[4];
    LogicalToWorld(topLeft.x, bottomRight.y, &window[0], &window[2]);
    LogicalToWorld(bottomRight.x, topLeft.y, &window[1], &window[3]);
    if (changed[0] > window[0] && changed[1] < window[1] && changed[2] > window[2] &&
        changed[3] < window[3]) {
        return;
    }
    Include(window, changed);
    const double size[2] = {window[1] - window[0], window[3] - window[2]};
    const DPoint centre{(window[0] + window[1]) / 2.0, (window[2] + window[3]) / 2.0};
    Zoom(size, &centre, 20, TRUE);
}

// The confirmation figure waits for the click: the left button applies the edit, the right
// button asks and drops it.
void CBlockView::StartPendingEdit(std::unique_ptr<PendingPointEdit> edit) {
    const int kind = edit->Target();
    m_pendingEdit = std::move(edit);
    auto figure = std::make_unique<CFigMovePoint>(kind, [this](bool commit) { ConfirmPendingEdit(commit); });
    figure->Setup(GreyColour(), 1, 0, 0, this);
    SetModalFigure(std::move(figure));
}

bool CBlockView::ConfirmPendingEdit(bool accept) {
    CBlockDoc* model = Model();
    if (!m_pendingEdit || !model) {
        return false;
    }
    if (!accept) {
        DiscardPendingEdit(*model, *m_pendingEdit);
    } else if (AcceptPendingEdit(*model, *m_pendingEdit)) {
        if (m_pendingEdit->Target() == PendingPointEdit::kGroundLine) {
            double size[2] = {0.0, 0.0};
            model->GetModelExtent(size[0], size[1]);
            Zoom(size, nullptr, 20, FALSE);
        }
    }
    m_pendingEdit.reset();
    ShowToolPrompt();
    if (HasToolTitle()) {
        ShowToolTitle();
    }
    Invalidate(FALSE);
    return true;
}

// The pending points as filled boxes in the selection colour with their numbers; the ground
// line through them, or the lines that follow a moved point.
void CBlockView::DrawPendingEdit(CDC* dc) {
    CBlockDoc* model = Model();
    if (!m_pendingEdit || !model) {
        return;
    }
    const PendingPointEdit& edit = *m_pendingEdit;
    auto placeOf = [&](int key) {
        const PendingPointEdit::Entry* copy = edit.Find(key);
        const DPoint at = copy ? DPoint{copy->point.x, copy->point.y} : model->NodeXY(key);
        return WorldToLogical(at.x, at.y);
    };
    CPen pen(PS_SOLID, 1, SelectColour());
    CPen* oldPen = dc->SelectObject(&pen);
    const std::vector<int>& lineKeys = m_pendingEdit->LineKeys();
    if (m_pendingEdit->Target() == PendingPointEdit::kGroundLine) {
        for (std::size_t i = 1; i < lineKeys.size(); ++i) {
            dc->MoveTo(placeOf(lineKeys[i - 1]));
            dc->LineTo(placeOf(lineKeys[i]));
        }
    } else if (m_pendingEdit->Target() == PendingPointEdit::kGroundPoints) {
        for (const auto& [key, line] : model->m_LineList) {
            if (line->GetState() == CLine::kNormal &&
                (edit.Find(line->GetNode1()) || edit.Find(line->GetNode2()))) {
                dc->MoveTo(placeOf(line->GetNode1()));
                dc->LineTo(placeOf(line->GetNode2()));
            }
        }
    }
    dc->SelectObject(oldPen);
    const int half = static_cast<int>(dc->GetDeviceCaps(LOGPIXELSX) / 25.4 * 1.5) - 2;
    dc->SetTextColor(SelectColour());
    for (const auto& [key, copy] : edit.Copies()) {
        const CPoint at = WorldToLogical(copy.point.x, copy.point.y);
        DrawPointBoxColor(dc, at, SelectColour(), half);
        CString label;
        label.Format("%d", copy.point.number);
        const CSize extent = dc->GetTextExtent(label);
        DrawLabel(dc, at.x + 1, at.y - extent.cy, label, nullptr);
    }
}

void CBlockView::OnEditPointCoords() {
    CBlockDoc* model = Model();
    if (!model || m_pendingEdit) {
        return;
    }
    const std::vector<CoordinateRow> selected = SelectedPointRows(SelectedGroundPoints());
    if (selected.empty()) {
        return;
    }
    const std::vector<CString> styles = {CString(kNumberStyle), CString(kXStyle), CString(kYStyle)};
    CGridDlg table(this, kSelectedPointsTemplate, 0, kSelectedPointsTable);
    table.CreateDataArray(3, CGridLineSettings::Instance().VisibleRows(kSelectedPointsTable),
                          ProgramClipboardFormat());
    table.CreateGridStyle(styles, CString(u8"点座標入力(選択)"), CString(u8"行番"), platform::kUnsetInt,
                          platform::kUnsetInt);
    table.m_nRowLimit = PointTableRowLimit(kSelectedPointsTable);
    table.m_notifyMessage = kGridCheckRows;
    table.m_notifyOwner = [model](UINT, int, CGridDlg* grid) {
        return static_cast<long>(CheckCoordinateEditRows(*model, RowsOf(*grid)));
    };
    table.m_bEnterStepsFields = TRUE;
    FillRows(table, selected, nullptr);
    const int result = table.DoModal();
    CGridLineSettings::Instance().SetVisibleRows(kSelectedPointsTable, table.m_nVisibleRows);
    if (result != IDOK) {
        return;
    }
    std::unique_ptr<PendingPointEdit> edit = PrepareCoordinateEdit(*model, RowsOf(table));
    ClearSelection();
    if (edit->ChangesAnything()) {
        MarkPendingEdit(*model, *edit);
        StartPendingEdit(std::move(edit));
    }
}

// Only ground-surface points move; selected measurement and boundary points stay.
void CBlockView::OnEditMove() {
    CBlockDoc* model = Model();
    const std::vector<const CNode*> selected = SelectedGroundPoints();
    if (!model || m_pendingEdit || selected.empty()) {
        return;
    }
    CMoveDlg dialog(kMoveTemplate, this);
    if (dialog.DoModal() != IDOK) {
        return;
    }
    std::unique_ptr<PendingPointEdit> edit = PrepareMove(selected, dialog.m_dX, dialog.m_dY);
    ClearSelection();
    MarkPendingEdit(*model, *edit);
    StartPendingEdit(std::move(edit));
}

BOOL CBlockView::ChangePoint(CNode& point) {
    CBlockDoc* model = Model();
    if (!model) {
        return FALSE;
    }
    CPointEditDlg dialog(point, &model->PointMap(point.GetKind()), this);
    if (dialog.DoModal() != IDOK) {
        return FALSE;
    }
    const PointChange change{dialog.m_nNumber, dialog.m_dX, dialog.m_dY, dialog.m_strName};
    const BOOL changed = merdok::ChangePoint(*model, point, change, DrawRange().xmin, DrawRange().xmax);
    Invalidate(FALSE);
    return changed;
}

void CBlockView::OnSystemSettings() {
    ViewSettings& program = ProgramViewSettings();
    CSystemSettingDlg dialog(this);
    EditSettings& values = dialog.m_settings;
    std::copy(program.countLimit, program.countLimit + 3, values.limits);
    values.distance = program.newPoint;
    values.angle = program.newLine;
    values.monochrome = program.monochromePrint;
    if (dialog.DoModal() != IDOK) {
        return;
    }
    std::copy(values.limits, values.limits + 3, program.countLimit);
    program.newPoint = values.distance;
    program.newLine = values.angle;
    program.monochromePrint = values.monochrome;
    if (CBlockDoc* model = Model()) {
        std::copy(values.limits, values.limits + 3, model->m_nLimit);
        model->SetTolerances(values.distance, values.angle);
    }
}

} // namespace merdok
