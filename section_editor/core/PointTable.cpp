#include "section_editor/core/PointTable.h"

#include "common/geometry/ModelExtent.h"
#include "common/records/Extent.h"
#include "common/section/BoundaryRows.h"
#include "platform/core/MessageSink.h"
#include "section_editor/core/CBlockDoc.h"

#include <algorithm>
#include <set>

using section::PointKind;

namespace merdok {

using platform::IsUnsetDouble;
using platform::IsUnsetInt;
using platform::kUnsetDouble;

namespace {

bool IsSurfaceFlag(int flag) {
    return flag == 1 || flag == 2;
}

// The kind whose map the table shows (the boundary kinds share one).
PointKind MapKindOf(int kind) {
    return kind == kTableSitePoints    ? PointKind::kMeasurement
           : kind == kTableBoundPoints ? PointKind::kInnerBoundary
                                       : PointKind::kGround;
}

PointKind PointKindOf(int kind, const CoordinateRow& row) {
    return kind == kTableBoundPoints ? section::BoundaryKindOfFlag(row.flag) : MapKindOf(kind);
}

void Widen(double (&extent)[4], double x, double y) {
    if (!IsUnsetDouble(x)) {
        UpdateMinMax(x, extent[0], extent[1]);
    }
    if (!IsUnsetDouble(y)) {
        UpdateMinMax(y, extent[2], extent[3]);
    }
}

// The middle of the model's Y extent: where a new ground-surface boundary point is first looked for.
double MiddleY(const CBlockDoc& doc) {
    ModelExtent extent;
    for (const auto& [seqNo, point] : doc.m_mapAllPoints) {
        if (point->GetState() >= 0) {
            extent.Add(point->GetX(), point->GetY());
        }
    }
    double box[4] = {0.0, 0.0, 0.0, 0.0};
    double width = 0.0;
    double height = 0.0;
    return extent.Get(box, width, height) ? (box[2] + box[3]) / 2.0 : 0.0;
}

// The ground line under x, looked for near y; false after the message when there is none.
bool OnGroundSurface(const CBlockDoc& doc, double x, double y, double& outX, double& outY) {
    DPoint found;
    if (!doc.FindNearestIntersection(x, y, found)) {
        AfxMessageBox(u8"地表境界点が見つかりませんGetKotenAllSufaceLine");
        return false;
    }
    outX = found.x;
    outY = found.y;
    return true;
}

section::PointRecord MakeCopy(int number, double x, double y, PointKind kind, const CString& name) {
    section::PointRecord copy;
    copy.number = number;
    copy.x = x;
    copy.y = y;
    copy.kind = kind;
    copy.name = name;
    return copy;
}

class TableEditBuilder {
public:
    TableEditBuilder(const CBlockDoc& doc, int kind, TableExtents& extents)
        : doc_(doc), kind_(kind), map_(doc.PointMap(MapKindOf(kind))),
          edit_(std::make_unique<PendingPointEdit>(kind == kTableGroundLine ? PendingPointEdit::kGroundLine
                                                                            : kind - kTableGroundPoints)),
          extents_(extents), next_(CBlockDoc::HighestKeyPlusOne(map_)), middleY_(MiddleY(doc)) {}

    std::unique_ptr<PendingPointEdit> Build(const std::vector<CoordinateRow>& rows) {
        for (const CoordinateRow& row : rows) {
            Widen(extents_.all, row.x, row.y);
            if (!AddRow(row)) {
                return nullptr;
            }
        }
        DropUnnamed();
        if (kind_ == kTableGroundLine && LineOrderChanged()) {
            edit_->SetLineOrderChanged();
        }
        return std::move(edit_);
    }

private:
    bool AddRow(const CoordinateRow& row) {
        const int key = IsUnsetInt(row.number) ? -1 : row.number - 1;
        const CNode* old = key >= 0 ? map_.Lookup(key) : nullptr;
        const PointKind pointKind = PointKindOf(kind_, row);
        const bool named = kind_ == kTableSitePoints || kind_ == kTableBoundPoints;
        const CString name = named ? TrimmedName(row.name) : CString();
        double x = row.x;
        double y = row.y;
        if (!old) {
            if (kind_ == kTableBoundPoints && IsSurfaceFlag(row.flag) &&
                !OnGroundSurface(doc_, x, middleY_, x, y)) {
                return false;
            }
            edit_->PutNew(next_, MakeCopy(next_ + 1, x, y, pointKind, name));
            Widen(extents_.changed, x, y);
            edit_->LineKeys().push_back(next_);
            ++next_;
            return true;
        }
        named_.insert(key);
        edit_->LineKeys().push_back(key);
        if (kind_ == kTableBoundPoints && IsSurfaceFlag(row.flag)) {
            const bool stays = old->GetKind() == pointKind && old->GetX() == x;
            if (stays) {
                y = old->GetY();
            } else if (!OnGroundSurface(doc_, x, IsUnsetDouble(y) ? middleY_ : y, x, y)) {
                return false;
            }
        }
        const bool changes = x != old->GetX() || y != old->GetY() || (named && name != old->GetName()) ||
                             (kind_ == kTableBoundPoints && old->GetKind() != pointKind);
        if (changes) {
            const PointKind keptKind = kind_ == kTableBoundPoints ? pointKind : old->GetKind();
            edit_->Put(key, PendingPointEdit::Change::kReplace,
                       MakeCopy(row.number, x, y, keptKind, named ? name : old->GetName()));
            edit_->MarkReplaced(key);
            Widen(extents_.changed, x, y);
        }
        return true;
    }

    void DropUnnamed() {
        for (const auto& [key, point] : map_) {
            if (named_.count(key) == 0) {
                edit_->MarkDropped(key);
                Widen(extents_.changed, point->GetX(), point->GetY());
            }
        }
    }

    bool LineOrderChanged() const {
        std::vector<const CNode*> order;
        if (!doc_.CheckGroundLine(order, false)) {
            return true;
        }
        std::vector<int> keys;
        for (const CNode* point : order) {
            keys.push_back(point->GetNumber() - 1);
        }
        std::vector<int> reversed(keys.rbegin(), keys.rend());
        return edit_->LineKeys() != keys && edit_->LineKeys() != reversed;
    }

    const CBlockDoc& doc_;
    int kind_;
    const RecordMap<CNode>& map_;
    std::unique_ptr<PendingPointEdit> edit_;
    TableExtents& extents_;
    int next_;
    double middleY_;
    std::set<int> named_;
};

BOOL CheckEachRow(int kind, const std::vector<CoordinateRow>& rows, double minX, double maxX) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const CoordinateRow& row = rows[i];
        const int position = static_cast<int>(i) + 1;
        if (kind == kTableBoundPoints) {
            if (!section::CheckBoundaryRowFields(row, position) ||
                !section::CheckBoundaryRowRange(row, position, minX, maxX)) {
                return FALSE;
            }
        } else if (!row.HasXY()) {
            return section::RefuseRow(u8"番号 %d の座標が未入力です !!", position);
        }
    }
    return TRUE;
}

BOOL CheckCounts(CBlockDoc& doc, int kind, int rows) {
    const int* limit = doc.m_nLimit;
    switch (kind) {
    case kTableGroundLine:
        return doc.CheckDataLimit(rows, limit[CBlockDoc::kNodeLimit], CBlockDoc::kNodeLimit) &&
               doc.CheckDataLimit(rows - 1, limit[CBlockDoc::kLineLimit], CBlockDoc::kLineLimit);
    case kTableGroundPoints:
        return doc.CheckDataLimit(rows, limit[CBlockDoc::kNodeLimit], CBlockDoc::kNodeLimit);
    case kTableSitePoints:
        return doc.CheckDataLimit(rows, limit[CBlockDoc::kSiteLimit], CBlockDoc::kSiteLimit);
    default:
        return doc.CheckDataLimit(rows, std::min(limit[CBlockDoc::kBoundLimit], PointTableRowLimit(kind)),
                                  CBlockDoc::kBoundLimit);
    }
}

} // namespace

TableExtents::TableExtents() {
    for (double* extent : {all, changed}) {
        extent[0] = extent[2] = platform::kExtentLimit;
        extent[1] = extent[3] = -platform::kExtentLimit;
    }
}

int PointTableRowLimit(int kind) {
    return kind == kTableBoundPoints ? 3 : 10000;
}

std::vector<CoordinateRow> PointTableRows(const CBlockDoc& doc, int kind,
                                          const std::vector<const CNode*>& lineOrder) {
    std::vector<CoordinateRow> rows;
    auto rowOf = [kind](const CNode& point) {
        CoordinateRow row;
        row.number = point.GetNumber();
        row.x = point.GetX();
        row.y = point.GetY();
        if (kind == kTableSitePoints || kind == kTableBoundPoints) {
            row.name = point.GetName();
        }
        if (kind == kTableBoundPoints) {
            row.flag = section::BoundaryFlagOf(point.GetKind());
        }
        return row;
    };
    if (kind == kTableGroundLine) {
        for (const CNode* point : lineOrder) {
            rows.push_back(rowOf(*point));
        }
        return rows;
    }
    for (const auto& [key, point] : doc.PointMap(MapKindOf(kind))) {
        rows.push_back(rowOf(*point));
    }
    return rows;
}

BOOL CheckPointTableRows(CBlockDoc& doc, int kind, const std::vector<CoordinateRow>& rows, double minX,
                         double maxX) {
    if (!CheckEachRow(kind, rows, minX, maxX)) {
        return FALSE;
    }
    if (const RowPair pair = FindDuplicateNumber(rows); pair.Found()) {
        AfxMessageBox(DuplicateNumberMessage(pair));
        return FALSE;
    }
    if (kind == kTableSitePoints || kind == kTableBoundPoints) {
        if (const RowPair pair = FindDuplicateName(rows); pair.Found()) {
            CString message;
            message.Format(u8"変更した地点名(%s)は他の点と重複するため、定義できません",
                           rows[static_cast<std::size_t>(pair.second - 1)].name.GetString());
            AfxMessageBox(message);
            return FALSE;
        }
    }
    if (!CheckCounts(doc, kind, static_cast<int>(rows.size()))) {
        return FALSE;
    }
    if (const CString warning = ClosePairsWarning(rows, doc.m_dSnap2); !warning.IsEmpty()) {
        AfxMessageBox(warning);
    }
    if (kind == kTableBoundPoints && !section::CheckBoundaryKindCounts(rows)) {
        return FALSE;
    }
    TableExtents extents;
    return PreparePointTableEdit(doc, kind, rows, &extents) ? TRUE : FALSE;
}

std::unique_ptr<PendingPointEdit> PreparePointTableEdit(const CBlockDoc& doc, int kind,
                                                        const std::vector<CoordinateRow>& rows,
                                                        TableExtents* extents) {
    TableExtents scratch;
    return TableEditBuilder(doc, kind, extents ? *extents : scratch).Build(rows);
}

} // namespace merdok
