// The analysis view's side of its tables: the row checks, the modeless block-line table
// with its messages, and a click in the view while that table is open.

#include "analysis/app/CBlockView.h"
#include "analysis/app/CGridDlg1.h"
#include "analysis/app/CTorvanDoc.h"

#include "analysis/core/AnalysisRun.h"
#include "analysis/core/BlockDivision.h"
#include "analysis/core/CBlockDoc.h"
#include "analysis/core/SolverLibrary.h"
#include "common/section/BoundaryRows.h"
#include "common/ui/section/GuideIds.h"
#include "common/ui/section/GuideStrings.h"
#include "platform/core/Unset.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CWinApp.h"

#include <algorithm>
#include <numeric>

namespace torvan {

namespace {

// The top-level menus that stay grey while the block-line table is open: File, Edit, Draw.
constexpr int kMenusGreyedByTable = 3;

CBlockDoc::SolverEntry TableSolverEntry() {
    static SolverLibrary library;
    if (!library.Entry()) {
        library.Load();
    }
    return library.Entry();
}

bool IsSet(double value) {
    return !platform::IsUnsetDouble(value);
}

CString Trimmed(const CString& text) {
    CString trimmed = text;
    trimmed.Trim();
    return trimmed;
}

// Rows closer than the snapping distance: one warning naming the first pair found and the
// number of pairs (rows sorted by x, so a large table is checked at once).
void WarnCloseRows(const std::vector<CGridData*>& rows, double snap2) {
    std::vector<int> order;
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        if (IsSet(rows[i]->RealCell(0)) && IsSet(rows[i]->RealCell(1))) {
            order.push_back(i);
        }
    }
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return rows[a]->RealCell(0) < rows[b]->RealCell(0); });
    const double reach = std::sqrt(std::max(snap2, 0.0));
    int pairs = 0;
    int first = -1;
    int second = -1;
    for (std::size_t i = 0; i < order.size(); ++i) {
        CGridData* a = rows[order[i]];
        for (std::size_t j = i + 1; j < order.size(); ++j) {
            CGridData* b = rows[order[j]];
            const double dx = b->RealCell(0) - a->RealCell(0);
            if (dx > reach) {
                break;
            }
            const double dy = b->RealCell(1) - a->RealCell(1);
            if (dx * dx + dy * dy > snap2) {
                continue;
            }
            const int low = std::min(order[i], order[j]);
            const int high = std::max(order[i], order[j]);
            if (pairs++ == 0 || low < first || (low == first && high < second)) {
                first = low;
                second = high;
            }
        }
    }
    if (pairs == 0) {
        return;
    }
    CString message;
    message.Format(u8"指定点 %d と %d の距離が近すぎます !!", first + 1, second + 1);
    if (pairs > 1) {
        CString more;
        more.Format(u8"\n(近すぎる点の組: %d 組)", pairs);
        message += more;
    }
    AfxMessageBox(message);
}

std::vector<CGridData*> DataRows(CGridDlg* table) {
    std::vector<CGridData*> rows;
    POSITION pos = table->m_rows.GetHeadPosition();
    for (int i = 0; i < table->m_nRows && pos; ++i) {
        rows.push_back(static_cast<CGridData*>(table->m_rows.GetNext(pos)));
    }
    return rows;
}

long RefuseName(const char8_t* format, const CString& name) {
    CString message;
    message.Format(format, name.GetString());
    AfxMessageBox(message);
    return 0;
}

} // namespace

bool CBlockView::ModelXRange(double& minX, double& maxX) const {
    minX = DrawRange().xmin;
    maxX = DrawRange().xmax;
    return IsSet(minX) && IsSet(maxX);
}

long CBlockView::OnTableMessage(UINT message, int kind, void* param) {
    switch (message) {
    case WM_GRID_CHECK_ROWS:
        return OnGridCheckRows(kind, static_cast<CGridDlg*>(param));
    case WM_GRID_GONE:
        return OnDialogDestroy(kind);
    case WM_GRID_BLOCK_LINES_CHANGED:
        return OnGridCheckBlockLines(kind);
    case WM_GRID_OK:
        return OnGridRunSolver(kind);
    case WM_GRID_TAKE_POINTS:
        return OnGridTakePoints(kind);
    case WM_GRID_BLOCK_LINE_OUTSIDE:
        return OnGridBlockLineOutside(static_cast<CGridData*>(param));
    default:
        return 1;
    }
}

long CBlockView::OnGridCheckRows(int kind, CGridDlg* table) {
    CBlockDoc* model = Model();
    if (!model || !table) {
        return 1;
    }
    const std::vector<CGridData*> rows = DataRows(table);
    switch (kind) {
    case kTableGroundPoints:
    case kTableSitePoints:
    case kTableGroundLine:
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (!IsSet(rows[i]->RealCell(0)) || !IsSet(rows[i]->RealCell(1))) {
                return section::RefuseRow(u8"番号 %d の座標が未入力です !!", static_cast<int>(i) + 1);
            }
        }
        if (!CheckRowCountAndNumbers(kind, rows)) {
            return 0;
        }
        WarnCloseRows(rows, model->Snap().m_dSnap2);
        return 1;
    case kTableBoundaryPoints:
        return CheckRowCountAndNumbers(kind, rows) ? CheckBoundaryRows(rows) : 0;
    case kTableBlockLines:
        if (rows.empty()) {
            AfxMessageBox(u8"ﾌﾞﾛｯｸ線が未定義ため、すべり線生成できません");
            return 0;
        }
        return 1;
    default:
        return 1;
    }
}

// The rows become points: their count must fit the document's limit, and two rows never
// name one point (the second would silently replace the first one's change).
bool CBlockView::CheckRowCountAndNumbers(int kind, const std::vector<CGridData*>& rows) {
    CBlockDoc* model = Model();
    const int limitIndex = kind == kTableSitePoints       ? CBlockDoc::kSiteLimit
                           : kind == kTableBoundaryPoints ? CBlockDoc::kBoundLimit
                                                          : CBlockDoc::kPointLimit;
    if (!model->CheckDataLimit(static_cast<int>(rows.size()), model->Limits().m_nLimit[limitIndex],
                               limitIndex)) {
        return false;
    }
    if (kind == kTableGroundLine) {
        return true;
    }
    std::vector<int> numbers;
    for (CGridData* row : rows) {
        if (!platform::IsUnsetInt(row->IntCell(0))) {
            numbers.push_back(row->IntCell(0));
        }
    }
    std::sort(numbers.begin(), numbers.end());
    const auto twice = std::adjacent_find(numbers.begin(), numbers.end());
    if (twice != numbers.end()) {
        section::RefuseRow(u8"番号 %d が重複しています !!", *twice);
        return false;
    }
    return true;
}

// Boundary-point rows: int 0 number, int 1 flag; reals x, y, beta, alpha; text 0 the name.
// The checks the section editor's table makes too come from section/BoundaryRows.h.
long CBlockView::CheckBoundaryRows(const std::vector<CGridData*>& rows) {
    CBlockDoc* model = Model();
    double minX = 0, maxX = 0;
    ModelXRange(minX, maxX);
    std::vector<CoordinateRow> table;
    for (CGridData* row : rows) {
        CoordinateRow entry;
        entry.x = row->RealCell(0);
        entry.y = row->RealCell(1);
        entry.flag = row->IntCell(1);
        table.push_back(entry);
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        CGridData& row = *rows[i];
        const int number = static_cast<int>(i) + 1;
        const int flag = row.IntCell(1);
        if (!section::CheckBoundaryRowFields(table[i], number)) {
            return 0;
        }
        if (flag == 0 && IsSet(row.RealCell(3))) {
            return section::RefuseRow(u8"番号 %d は地中境界点のため勾配αを指定できません !!", number);
        }
        const CString name = Trimmed(row.TextCell(0));
        for (std::size_t j = i + 1; j < rows.size(); ++j) {
            if (!name.IsEmpty() && name == Trimmed(rows[j]->TextCell(0))) {
                return RefuseName(u8"変更した地点名(%s)は他の点と重複するため、定義できません", name);
            }
        }
        if (!section::CheckBoundaryRowRange(table[i], number, minX, maxX)) {
            return 0;
        }
        const CNode* known = name.IsEmpty() ? nullptr : model->FindPointByName(name, model->BoundaryPoints());
        if (known && !known->inUse) {
            return RefuseName(u8"変更した地点名(%s)は他の点と重複するため、定義できません", name);
        }
        if (known && (known->slipMark == CNode::kSlipUsed || known->slipMark == CNode::kSlipFixedUsed) &&
            (known->x != row.RealCell(0) || known->y != row.RealCell(1) ||
             (known->kind > section::PointKind::kMeasurement &&
              known->kind != section::BoundaryKindOfFlag(flag)) ||
             known->beta != row.RealCell(2) || known->alpha != row.RealCell(3))) {
            return RefuseName(u8"地点名(%s)はすべり線で使用されているため、変更できません", name);
        }
    }
    std::vector<CGridData*> placed;
    for (CGridData* row : rows) {
        if (IsSet(row->RealCell(1))) {
            placed.push_back(row);
        }
    }
    WarnCloseRows(placed, model->Snap().m_dSnap2);
    return section::CheckBoundaryKindCounts(table) ? 1 : 0;
}

void CBlockView::OpenBlockLineTable() {
    CBlockDoc* model = Model();
    if (!model || m_pBlockLineTable) {
        return;
    }
    auto* table = new CGridDlg1(this, 1544, 909, kTableBlockLines, 5);
    table->CreateDataArray(3, 5, 5909);
    table->CreateGridStyle({CString(u8"線番号 7 5 0 1 99999"), CString(u8"X座標(m) 10 10 3 -99999 999999"),
                            CString(u8"重み係数β 11 10 4 0 1")},
                           CString(u8"ﾌﾞﾛｯｸ線設定"), CString(u8"行番"), platform::kUnsetInt,
                           platform::kUnsetInt);
    table->m_nRowLimit = 1000;
    for (const CBlockDoc::BlockLineRow& line : model->BlockLineRows()) {
        CGridData* row = table->Columns().NewRow();
        row->IntCell(0) = line.number;
        row->RealCell(0) = line.x;
        row->RealCell(1) = line.beta;
        table->m_rows.AddTail(row);
    }
    table->m_nRows = table->m_rows.GetCount();
    table->m_sendToOwner = [this](UINT message, int kind, void* param) {
        return OnTableMessage(message, kind, param);
    };
    table->m_bEnterStepsFields = TRUE; // Enter outside the cells steps on; only OK runs the solver
    m_pBlockLineTable = table;
    m_bBlockTableOpen = true;
    table->CreateModeless();
    GreyMenusForTable(true);
    // The view's own prompt and title, so that the focus coming back shows them again.
    ChooseTool(section::DrawMode::kTablePick, std::nullopt, section::guide::kAnalysisBlockLinePrompt,
               section::guide::kAnalysisBlockLineTitle);
    Invalidate();
}

void CBlockView::GreyMenusForTable(bool grey) {
    auto* frame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
    CMenu* menu = frame ? frame->GetMenu() : nullptr;
    if (!menu) {
        return;
    }
    for (int position = 0; position < kMenusGreyedByTable; ++position) {
        menu->EnableMenuItem(position, MF_BYPOSITION | (grey ? MF_GRAYED : MF_ENABLED));
    }
}

long CBlockView::OnDialogDestroy(int kind) {
    if (kind == kTableBlockLines) {
        m_pBlockLineTable = nullptr;
        m_bBlockTableOpen = false;
        GreyMenusForTable(false);
        ChooseTool(section::DrawMode::kNone, std::nullopt, section::guide::kMenuPrompt,
                   section::guide::kNone);
    }
    SetFocus();
    Invalidate();
    return 1;
}

void CBlockView::TakeBlockLineRows() {
    CBlockDoc* model = Model();
    if (model && m_pBlockLineTable) {
        std::vector<CBlockDoc::BlockLineRow> rows;
        for (CGridData* row : DataRows(m_pBlockLineTable)) {
            rows.push_back({row->IntCell(0), row->RealCell(0), row->RealCell(1)});
        }
        model->SetBlockLineRows(rows);
    }
    Invalidate();
}

long CBlockView::OnGridCheckBlockLines(int kind) {
    if (kind == kTableBlockLines) {
        TakeBlockLineRows();
    }
    return 1;
}

// The OK of the block-line table: the keyed rows become the document's lines, then the
// run goes on as the analysis command's polynomial road (check, question, solver). Rows
// refused by the block-line check keep the table open: they live only in the table until
// they become block lines, and closing it would throw away what the user typed.
long CBlockView::OnGridRunSolver(int kind) {
    CBlockDoc* model = Model();
    if (kind != kTableBlockLines || !model) {
        return 1;
    }
    TakeBlockLineRows();
    AnalysisRun run(*model, TableSolverEntry());
    run.ConfirmBlockLineTable();
    GetDocument()->UpdateAllViews();
    return run.RowsRefused() ? 0 : 1;
}

long CBlockView::OnGridTakePoints(int kind) {
    CBlockDoc* model = Model();
    if (kind != kTableBlockLines || !model || !m_pBlockLineTable) {
        return 0;
    }
    if (model->MakeBlockLines() != BlockDivisionStatus::kDone) {
        return 0;
    }
    model->KeyBlockLinesFromList();
    CGridDlg1& table = *m_pBlockLineTable;
    table.DeleteRowData();
    for (const CBlockDoc::BlockLineRow& line : model->BlockLineRows()) {
        CGridData* row = table.Columns().NewRow();
        row->IntCell(0) = line.number;
        row->RealCell(0) = line.x;
        row->RealCell(1) = line.beta;
        table.m_rows.AddTail(row);
    }
    table.m_nRows = table.m_rows.GetCount();
    Invalidate();
    return 1;
}

long CBlockView::OnGridBlockLineOutside(CGridData* row) {
    double minX = 0, maxX = 0;
    if (!row || !IsSet(row->RealCell(0)) || !ModelXRange(minX, maxX)) {
        return 1;
    }
    const double x = row->RealCell(0);
    if (x > minX && x < maxX) {
        return 1;
    }
    AfxMessageBox(u8"指定ﾌﾞﾛｯｸ線がﾓﾃﾞﾙ外です");
    SetFocus();
    return 0;
}

int CBlockView::ChangeDialogViewClick(double x, double y) {
    if (!m_pBlockLineTable || ChosenTool() != section::DrawMode::kTablePick) {
        return 0;
    }
    double minX = 0, maxX = 0;
    if (!ModelXRange(minX, maxX) || !(x > minX && x < maxX)) {
        AfxMessageBox(u8"指定ﾌﾞﾛｯｸ線がﾓﾃﾞﾙ外です");
        SetFocus();
        return 0;
    }
    if (!m_pBlockLineTable->AddPickedPoints({DPoint{x, y}})) {
        return 0;
    }
    TakeBlockLineRows();
    m_pBlockLineTable->m_nChangeEdit = 0;
    m_pBlockLineTable->ShowCellEditor();
    return 1;
}

void CBlockView::CloseBlockLineTable() {
    delete m_pBlockLineTable;
    m_pBlockLineTable = nullptr;
    m_bBlockTableOpen = false;
}

} // namespace torvan
