#include "section_editor/core/PointEdits.h"

#include "common/section/SelectedPointEdits.h"
#include "platform/core/MessageSink.h"
#include "section_editor/core/CBlockDoc.h"

#include <utility>

using section::PointKind;

namespace merdok {

using platform::IsUnsetDouble;
using platform::IsUnsetInt;

namespace {

bool SurfaceBoundaryKind(PointKind kind) {
    return kind == PointKind::kLeftBoundary || kind == PointKind::kRightBoundary;
}

BOOL Refuse(const char8_t* message) {
    AfxMessageBox(message);
    return FALSE;
}

// The dialog's checks that the point's map decides.
BOOL CheckNewNumber(const CBlockDoc& doc, const CNode& point, int number) {
    if (point.GetKind() != PointKind::kGround || number == point.GetNumber()) {
        return TRUE;
    }
    if (IsUnsetInt(number) || number < 1 || number > kMaxPointNumber) {
        return Refuse(u8"番号は 1 から 30000 までです");
    }
    if (doc.m_mapNode.Lookup(number - 1)) {
        return Refuse(u8"変更した番号は他の点と重複するため、定義できません");
    }
    return TRUE;
}

section::PointRecord RecordOf(const CNode& point) {
    section::PointRecord record;
    record.number = point.GetNumber();
    record.x = point.GetX();
    record.y = point.GetY();
    record.kind = point.GetKind();
    record.name = point.GetName();
    return record;
}

} // namespace

BOOL ChangePoint(CBlockDoc& doc, CNode& point, const PointChange& change, double minX, double maxX) {
    if (!CheckNewNumber(doc, point, change.number)) {
        return FALSE;
    }
    const PointKind kind = point.GetKind();
    CString name = change.name;
    if (kind != PointKind::kGround) {
        name.Trim();
    }
    if (change.number == point.GetNumber() && change.x == point.GetX() && change.y == point.GetY() &&
        name == point.GetName()) {
        return FALSE;
    }
    doc.SetModifiedFlag(true);
    double x = change.x;
    double y = change.y;
    if (section::IsBoundaryKind(kind)) {
        if (!IsUnsetDouble(minX) && !IsUnsetDouble(maxX) && (x < minX || x > maxX)) {
            return Refuse(u8"指定したX座標はﾓﾃﾞﾙ範囲外です !!");
        }
        DPoint found;
        if (SurfaceBoundaryKind(kind) && x != point.GetX()) {
            if (!doc.FindNearestIntersection(x, y, found)) {
                return Refuse(u8"地表境界点が見つかりません GetKotenAllSufaceLine");
            }
            x = found.x;
            y = found.y;
        }
    }
    const int oldKey = point.GetNumber() - 1;
    const int newKey = change.number - 1;
    point.SetXY(x, y);
    point.SetName(name);
    point.SetState(CNode::kNormal);
    RecordMap<CNode>& map = doc.PointMap(kind);
    if (newKey != oldKey && kind == PointKind::kGround) {
        point.SetNumber(change.number);
        map.SetAt(newKey, map.Remove(oldKey));
        doc.ReplaceNodeInLines(oldKey, newKey);
    }
    doc.NextNumber(kind) = CBlockDoc::HighestKeyPlusOne(map);
    return TRUE;
}

std::vector<CoordinateRow> SelectedPointRows(const std::vector<const CNode*>& selection) {
    std::vector<CoordinateRow> rows;
    for (const CNode* point : selection) {
        if (point->GetKind() == PointKind::kGround) {
            CoordinateRow row;
            row.number = point->GetNumber();
            row.x = point->GetX();
            row.y = point->GetY();
            rows.push_back(row);
        }
    }
    return rows;
}

BOOL CheckCoordinateEditRows(const CBlockDoc& doc, const std::vector<CoordinateRow>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const CoordinateRow& row = rows[i];
        if (IsUnsetInt(row.number)) {
            continue;
        }
        CString message;
        if (!doc.m_mapNode.Lookup(row.number - 1)) {
            message.Format(u8"番号 %d の点はありません !!", row.number);
        } else if (!row.HasXY()) {
            message.Format(u8"番号 %d の座標が未入力です !!", static_cast<int>(i) + 1);
        }
        if (!message.IsEmpty()) {
            AfxMessageBox(message);
            return FALSE;
        }
    }
    if (const RowPair pair = FindDuplicateNumber(rows); pair.Found()) {
        AfxMessageBox(DuplicateNumberMessage(pair));
        return FALSE;
    }
    // Points put (almost) on each other are worth a word; the table still closes.
    if (const CString warning = ClosePairsWarning(rows, doc.m_dSnap2); !warning.IsEmpty()) {
        AfxMessageBox(warning);
    }
    return TRUE;
}

std::unique_ptr<PendingPointEdit> PrepareCoordinateEdit(const CBlockDoc& doc,
                                                        std::vector<CoordinateRow> rows) {
    const auto lookup = [&doc](int number, section::PointRecord& point) {
        const CNode* found = doc.m_mapNode.Lookup(number - 1);
        if (found) {
            point = RecordOf(*found);
        }
        return found != nullptr;
    };
    return std::make_unique<PendingPointEdit>(section::PrepareCoordinateEdit(std::move(rows), lookup));
}

std::unique_ptr<PendingPointEdit> PrepareMove(const std::vector<const CNode*>& selection, double dx,
                                              double dy) {
    std::vector<section::PointRecord> points;
    for (const CNode* point : selection) {
        points.push_back(RecordOf(*point));
    }
    return std::make_unique<PendingPointEdit>(section::PrepareMove(points, dx, dy));
}

} // namespace merdok
