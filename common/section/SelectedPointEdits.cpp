#include "common/section/SelectedPointEdits.h"

#include <cmath>

namespace section {

using platform::IsUnsetDouble;
using platform::IsUnsetInt;

namespace {

// Rows closer than this on both axes are one point. The margin keeps a typed 0.0004 from
// merging when its difference comes out a hair below it in binary.
constexpr double kMergeReach = 0.0004 - 1e-9;

PointRecord MovedCopy(const PointRecord& point, double x, double y) {
    PointRecord copy;
    copy.number = point.number;
    copy.x = x;
    copy.y = y;
    copy.kind = point.kind;
    return copy;
}

bool Close(const CoordinateRow& a, const CoordinateRow& b) {
    return std::fabs(a.x - b.x) < kMergeReach && std::fabs(a.y - b.y) < kMergeReach;
}

bool Find(const GroundPointLookup& lookup, int number, PointRecord& point) {
    return !IsUnsetInt(number) && lookup(number, point);
}

} // namespace

PendingPointEdit PrepareCoordinateEdit(std::vector<CoordinateRow> rows, const GroundPointLookup& lookup) {
    PendingPointEdit edit(PendingPointEdit::kGroundPoints);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const CoordinateRow& row = rows[i];
        PointRecord point;
        if (!Find(lookup, row.number, point)) {
            continue;
        }
        for (std::size_t j = i + 1; j < rows.size(); ++j) {
            CoordinateRow& later = rows[j];
            PointRecord follower;
            if (later.number != row.number && Find(lookup, later.number, follower) && Close(row, later)) {
                edit.PutMerge(later.number - 1, MovedCopy(follower, row.x, row.y), row.number - 1);
                edit.MarkReplaced(later.number - 1);
                later.number = platform::kUnsetInt;
            }
        }
        if (row.x != point.x || row.y != point.y) {
            edit.Put(row.number - 1, PendingPointEdit::Change::kMove, MovedCopy(point, row.x, row.y));
            edit.MarkReplaced(row.number - 1);
        }
    }
    return edit;
}

PendingPointEdit PrepareMove(const std::vector<PointRecord>& selection, double dx, double dy) {
    PendingPointEdit edit(PendingPointEdit::kGroundPoints);
    for (const PointRecord& point : selection) {
        if (point.kind != PointKind::kGround) {
            continue;
        }
        const double x = IsUnsetDouble(dx) ? point.x : point.x + dx;
        const double y = IsUnsetDouble(dy) ? point.y : point.y + dy;
        edit.Put(point.number - 1, PendingPointEdit::Change::kMove, MovedCopy(point, x, y));
        edit.MarkReplaced(point.number - 1);
    }
    return edit;
}

} // namespace section
