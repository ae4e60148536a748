// The analysis view's point tables: the ground-surface, measurement and boundary points of
// the document as tables, and a new ground-surface line typed point by point. A confirmed
// table does not change the document: changed and new points become copies of a pending
// edit, points without a row are dropped by it (the document shows them as going), and the
// next click in the view has the document take the edit (left) or drop it (right).

#include "analysis/app/CBlockView.h"
#include "analysis/app/CGridDlg1.h"
#include "analysis/app/CTorvanApp.h"
#include "analysis/app/CTorvanDoc.h"
#include "analysis/app/PointTableDlg.h"
#include "analysis/app/SlipLineTreeDlg.h"

#include "analysis/core/CBlockDoc.h"
#include "analysis/core/CLine.h"
#include "common/section/BoundaryRows.h"
#include "common/ui/section/CFigMovePoint.h"
#include "common/ui/section/GuideIds.h"
#include "common/ui/section/GuideStrings.h"
#include "common/ui/table/CGridLineSettings.h"
#include "platform/core/MapEntries.h"
#include "platform/core/Unset.h"
#include "platform/ui/CWinApp.h"

#include <algorithm>
#include <memory>
#include <set>
#include <vector>

using section::PointKind;

namespace torvan {

namespace {

constexpr UINT kPointTableTemplate = 919;
constexpr UINT kPointTablePopup = 907;
constexpr UINT kBoundaryTableTemplate = 1547;

const char8_t kNumberStyle[] = u8"番号 5 5 0 1 10000";
const char8_t kXStyle[] = u8"X座標(m) 10 10 3 -99999 999999";
const char8_t kYStyle[] = u8"Y座標(m) 10 10 3 -99999 999999";
const char8_t kNameStyle[] = u8"地点名 15 15 -99 -2 -2";

bool IsSet(double value) {
    return !platform::IsUnsetDouble(value);
}

std::vector<CString> ColumnStyles(int kind) {
    std::vector<CString> styles = {CString(kNumberStyle), CString(kXStyle), CString(kYStyle)};
    if (kind == kTableSitePoints || kind == kTableBoundaryPoints) {
        styles.emplace_back(kNameStyle);
    }
    if (kind == kTableBoundaryPoints) {
        for (const char8_t* style : {u8"ﾌﾗｸﾞ 5 5 0 0 2", u8"種類 7 0 -99 -2 -2", u8"重み係数β 10 10 4 0 1",
                                     u8"勾配α(度) 10 10 3 -90 90"}) {
            styles.emplace_back(style);
        }
    }
    return styles;
}

const char8_t* TableTitle(int kind) {
    switch (kind) {
    case kTableSitePoints:
        return u8"計測点座標入力";
    case kTableBoundaryPoints:
        return u8"境界点座標入力";
    case kTableGroundLine:
        return u8"地表線座標入力";
    default:
        return u8"地表点座標入力";
    }
}

const char8_t* BoundaryKindText(PointKind type) {
    switch (type) {
    case PointKind::kInnerBoundary:
        return u8"地中";
    case PointKind::kLeftBoundary:
        return u8"左地表";
    default:
        return u8"右地表";
    }
}

UINT ProgramClipboardFormat() {
    auto* app = dynamic_cast<CTorvanApp*>(AfxGetApp());
    return app ? app->ClipboardFormat() : 0;
}

// The model area touched by a confirmed table, widened point by point.
struct ChangeBox {
    double minX = platform::kUnsetDouble;
    double maxX = 0;
    double minY = 0;
    double maxY = 0;
    void Add(double x, double y) {
        if (!IsSet(x) || !IsSet(y)) {
            return;
        }
        if (!IsSet(minX)) {
            minX = maxX = x;
            minY = maxY = y;
            return;
        }
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    bool IsEmpty() const { return !IsSet(minX); }
};

} // namespace

// The confirmed rows of one table: what each row does to the document's points, as a
// pending edit that the document shows in its marks (CBlockDoc::MarkPendingPoints) until
// the click. The edit, not the marks, says what the click commits.
class PointTableCommit {
public:
    using Edit = section::PendingPointEdit;

    PointTableCommit(CBlockDoc& model, int kind)
        : model_(model), kind_(kind), map_(SourceMap(model, kind)), edit_(kind - kTableGroundPoints),
          next_(kind == kTableSitePoints
                    ? model.MaxSite()
                    : (kind == kTableBoundaryPoints ? model.MaxBound() : model.MaxNode())) {}

    static CMapWordToOb& SourceMap(CBlockDoc& model, int kind) {
        if (kind == kTableSitePoints) {
            return model.MeasurementPoints();
        }
        return kind == kTableBoundaryPoints ? model.BoundaryPoints() : model.GroundPoints();
    }

    // Points without a row are dropped by the ground-surface and measurement tables.
    void TakeRows(const std::vector<CGridData*>& rows) {
        for (CGridData* row : rows) {
            TakeRow(*row);
        }
        if (kind_ == kTableGroundPoints || kind_ == kTableSitePoints) {
            for (auto [key, point] : platform::MapEntries<CNode>(map_)) {
                if (taken_.count(key) == 0) {
                    box_.Add(point->x, point->y);
                    changed_ = true;
                    edit_.MarkDropped(key);
                }
            }
        }
        for (CNode* point : kept_) {
            point->state = CNode::kNormal;
        }
        model_.MarkPendingPoints(edit_);
    }

    bool Changed() const { return changed_; }
    const ChangeBox& Box() const { return box_; }
    Edit TakeEdit() { return std::move(edit_); }

private:
    bool HasNameColumn() const { return kind_ == kTableSitePoints || kind_ == kTableBoundaryPoints; }
    static int FlagOf(CGridData& row, int kind) { return kind == kTableBoundaryPoints ? row.IntCell(1) : -1; }

    void TakeRow(CGridData& row) {
        const int number = row.IntCell(0);
        CNode* point = nullptr;
        if (!platform::IsUnsetInt(number) && number >= 1 && number <= 0x10000) {
            CObject* object = nullptr;
            if (map_.Lookup(static_cast<WORD>(number - 1), object)) {
                point = static_cast<CNode*>(object);
            }
        }
        if (point) {
            taken_.insert(number - 1);
        }
        if (point && (!HasNameColumn() || point->name == row.TextCell(0))) {
            TakeKnownRow(row, *point);
            return;
        }
        if (point) {
            edit_.MarkReplaced(point->number - 1);
        }
        AddNewPoint(row);
    }

    bool SameAsPoint(CGridData& row, const CNode& point) const {
        const int flag = FlagOf(row, kind_);
        bool same =
            point.x == row.RealCell(0) && point.y == row.RealCell(1) &&
            (point.kind <= PointKind::kMeasurement || point.kind == section::BoundaryKindOfFlag(flag));
        if (kind_ == kTableBoundaryPoints) {
            same = same && point.beta == row.RealCell(2) && point.alpha == row.RealCell(3);
        }
        return same;
    }

    void TakeKnownRow(CGridData& row, CNode& point) {
        if (SameAsPoint(row, point)) {
            box_.Add(row.RealCell(0), row.RealCell(1));
            kept_.push_back(&point);
            return;
        }
        if (point.slipMark >= CNode::kSlipFixed) {
            AfxMessageBox(u8"断面ﾓﾃﾞﾙ作成で定義した境界点の変更は無効です");
            box_.Add(row.RealCell(0), row.RealCell(1));
            kept_.push_back(&point);
            changed_ = true;
            return;
        }
        edit_.MarkReplaced(point.number - 1);
        const PointKind type =
            kind_ == kTableBoundaryPoints ? section::BoundaryKindOfFlag(FlagOf(row, kind_)) : point.kind;
        double x = row.RealCell(0);
        double y = row.RealCell(1);
        if ((type == PointKind::kLeftBoundary || type == PointKind::kRightBoundary) &&
            !SurfaceCrossing(x, y, x, y)) {
            return;
        }
        section::PointRecord copy;
        copy.number = point.number;
        copy.x = x;
        copy.y = y;
        copy.kind = type;
        copy.beta = kind_ == kTableBoundaryPoints ? row.RealCell(2) : point.beta;
        copy.alpha = kind_ == kTableBoundaryPoints ? row.RealCell(3) : point.alpha;
        copy.name = HasNameColumn() ? row.TextCell(0) : point.name;
        edit_.Put(point.number - 1, Edit::Change::kReplace, copy);
        box_.Add(x, y);
        changed_ = true;
    }

    void AddNewPoint(CGridData& row) {
        PointKind type = PointKind::kGround;
        if (kind_ == kTableBoundaryPoints) {
            type = section::BoundaryKindOfFlag(FlagOf(row, kind_));
        } else if (kind_ == kTableSitePoints) {
            type = PointKind::kMeasurement;
        }
        double x = row.RealCell(0);
        double y = row.RealCell(1);
        if (type == PointKind::kLeftBoundary || type == PointKind::kRightBoundary) {
            const double middle = (model_.Extents().m_dMinY + model_.Extents().m_dMaxY) / 2;
            if (!SurfaceCrossing(x, middle, x, y)) {
                return;
            }
        }
        section::PointRecord point;
        point.number = next_ + 1;
        point.x = x;
        point.y = y;
        point.kind = type;
        if (kind_ == kTableBoundaryPoints) {
            point.beta = row.RealCell(2);
            point.alpha = row.RealCell(3);
        }
        if (HasNameColumn()) {
            point.name = row.TextCell(0);
            point.name.Trim();
        }
        edit_.PutNew(next_, point);
        box_.Add(x, y);
        changed_ = true;
        ++next_;
    }

    // Where the vertical through x meets the ground-surface line, nearest to (x, y).
    bool SurfaceCrossing(double x, double y, double& outX, double& outY) const {
        DPoint crossing;
        if (!model_.FindNearestIntersection(x, y, crossing)) {
            AfxMessageBox(u8"地表境界点が見つかりませんGetKotenAllSufaceLine");
            return false;
        }
        outX = crossing.x;
        outY = crossing.y;
        return true;
    }

    CBlockDoc& model_;
    int kind_;
    CMapWordToOb& map_;
    Edit edit_;
    std::set<int> taken_;      // keys of the points a row names
    std::vector<CNode*> kept_; // the points their rows leave as they are
    int next_;
    ChangeBox box_;
    bool changed_ = false;
};

void CBlockView::OnInputSurfaceLine() {
    RunPointTable(kTableGroundLine);
}

void CBlockView::OnInputSurfacePoints() {
    RunPointTable(kTableGroundPoints);
}

void CBlockView::OnInputMeasurePoints() {
    RunPointTable(kTableSitePoints);
}

void CBlockView::OnInputBoundPoints() {
    RunPointTable(kTableBoundaryPoints);
}

void CBlockView::OnUpdateInputSurfaceLine(CCmdUI* ui) {
    ui->Enable(CanOpenPointTable() && !DocHasGroundPoints());
}

void CBlockView::OnUpdatePointTable(CCmdUI* ui) {
    ui->Enable(CanOpenPointTable());
}

bool CBlockView::CanOpenPointTable() const {
    return Model() && !HasPendingPoints() && !m_bBlockTableOpen;
}

void CBlockView::RunPointTable(int kind) {
    if (!CanOpenPointTable() || (kind == kTableGroundLine && DocHasGroundPoints())) {
        return;
    }
    const int rows = CGridLineSettings::Instance().VisibleRows(kind);
    if (kind == kTableBoundaryPoints) {
        CGridDlg1 table(this, kBoundaryTableTemplate, 0, kind, rows);
        OnInputAllPoint(table, kind);
        return;
    }
    PointTableDlg table(this, kPointTableTemplate, kPointTablePopup, kind);
    OnInputAllPoint(table, kind);
}

void CBlockView::FillPointRows(CGridDlg& table, int kind) {
    CMapWordToOb& map = PointTableCommit::SourceMap(*Model(), kind);
    const int count = kind == kTableSitePoints
                          ? Model()->MaxSite()
                          : (kind == kTableBoundaryPoints ? Model()->MaxBound() : Model()->MaxNode());
    for (int key = 0; kind != kTableGroundLine && key < count && key <= 0xFFFF; ++key) {
        CObject* object = nullptr;
        if (!map.Lookup(static_cast<WORD>(key), object)) {
            continue;
        }
        const auto* point = static_cast<const CNode*>(object);
        if (kind == kTableBoundaryPoints && !point->inUse) {
            continue;
        }
        CGridData* row = table.Columns().NewRow();
        row->IntCell(0) = point->number;
        row->RealCell(0) = point->x;
        row->RealCell(1) = point->y;
        if (kind == kTableSitePoints || kind == kTableBoundaryPoints) {
            row->TextCell(0) = point->name;
        }
        if (kind == kTableBoundaryPoints) {
            row->IntCell(1) = section::BoundaryFlagOf(point->kind);
            row->TextCell(1) = CString(BoundaryKindText(point->kind));
            row->RealCell(2) = point->beta;
            row->RealCell(3) = point->alpha;
        }
        table.m_rows.AddTail(row);
    }
    table.m_nRows = table.m_rows.GetCount();
}

void CBlockView::OnInputAllPoint(CGridDlg& table, int kind) {
    const std::vector<CString> styles = ColumnStyles(kind);
    table.CreateDataArray(static_cast<int>(styles.size()), CGridLineSettings::Instance().VisibleRows(kind),
                          ProgramClipboardFormat());
    table.CreateGridStyle(styles, CString(TableTitle(kind)), CString(u8"行番"), -2, -2);
    table.m_notifyMessage = WM_GRID_CHECK_ROWS;
    table.m_notifyOwner = [this](UINT, int tableKind, CGridDlg* grid) {
        return OnGridCheckRows(tableKind, grid);
    };
    ChooseTool(section::DrawMode::kNone, std::nullopt, section::guide::kMenuPrompt, section::guide::kNone);
    FillPointRows(table, kind);
    table.m_nRowLimit = kind == kTableBoundaryPoints ? 3 : 10000;
    if (table.DoModal() == IDOK) {
        TakeConfirmedPointRows(table, kind);
    } else {
        Model()->SetAllPointStates(Model()->GroundPoints(), CNode::kNormal);
        Model()->SetAllLineStatus(CLine::kNormal);
        m_pendingEdit.reset();
    }
    Invalidate();
    CGridLineSettings::Instance().SetVisibleRows(kind, table.m_nVisibleRows);
    table.DeleteRowData();
}

void CBlockView::TakeConfirmedPointRows(CGridDlg& table, int kind) {
    CBlockDoc* model = Model();
    model->SetModifiedFlag();
    m_pendingEdit.reset();
    std::vector<CGridData*> rows;
    POSITION pos = table.m_rows.GetHeadPosition();
    for (int i = 0; i < table.m_nRows && pos; ++i) {
        rows.push_back(static_cast<CGridData*>(table.m_rows.GetNext(pos)));
    }
    PointTableCommit commit(*model, kind);
    commit.TakeRows(rows);
    if (!commit.Changed()) {
        return;
    }
    const ChangeBox& box = commit.Box();
    if (!box.IsEmpty()) {
        ShowChangeBox(box.minX, box.minY, box.maxX, box.maxY);
    }
    StartPendingConfirmation(std::make_unique<section::PendingPointEdit>(commit.TakeEdit()));
}

// Zooms out so that the changed area lies inside the window, 5 pixels from its edges.
void CBlockView::ShowChangeBox(double minX, double minY, double maxX, double maxY) {
    CRect client;
    GetClientRect(&client);
    const CPoint scroll = GetScrollPosition();
    client.OffsetRect(scroll.x, scroll.y);
    client.InflateRect(-5, -5);
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    LogicalToWorld(client.left, client.top, &x1, &y1);
    LogicalToWorld(client.right, client.bottom, &x2, &y2);
    double lowX = std::min(x1, x2), highX = std::max(x1, x2);
    double lowY = std::min(y1, y2), highY = std::max(y1, y2);
    if (minX > lowX && maxX < highX && minY > lowY && maxY < highY) {
        return;
    }
    lowX = std::min(lowX, minX);
    highX = std::max(highX, maxX);
    lowY = std::min(lowY, minY);
    highY = std::max(highY, maxY);
    const double extent[2] = {highX - lowX, highY - lowY};
    const DPoint centre{(lowX + highX) * 0.5, (lowY + highY) * 0.5};
    Zoom(extent, &centre, 20, TRUE);
}

void CBlockView::StartPendingConfirmation(std::unique_ptr<section::PendingPointEdit> edit) {
    const int pointKind = edit->Target();
    Model()->MarkPendingPoints(*edit);
    m_pendingEdit = std::move(edit);
    auto figure = std::make_unique<CFigMovePoint>(pointKind, [this](bool commit) {
        if (commit) {
            CommitPendingPoints();
        } else {
            DropPendingPoints();
        }
    });
    figure->Setup(GreyColour(), 1, 0, 0, this);
    SetModalFigure(std::move(figure));
}

void CBlockView::CommitPendingPoints() {
    CBlockDoc* model = Model();
    if (!model || !m_pendingEdit) {
        return;
    }
    // The commit may delete points that are selected or listed in the tree.
    ClearSelection();
    model->CommitPendingPoints(*m_pendingEdit);
    EndPendingConfirmation();
    GetDocument()->UpdateAllViews();
}

void CBlockView::DropPendingPoints() {
    CBlockDoc* model = Model();
    if (!model || !m_pendingEdit) {
        return;
    }
    model->DropPendingPoints(m_pendingEdit->Target());
    EndPendingConfirmation();
    Invalidate();
}

void CBlockView::EndPendingConfirmation() {
    m_pendingEdit.reset();
    if (m_pTreeDlg) {
        m_pTreeDlg->FillTree();
    }
}

} // namespace torvan
