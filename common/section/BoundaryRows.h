#pragma once
// The checks of a boundary-point table row that both section programs make. A row's flag
// says its kind: 0 inner, 1 left and 2 right ground-surface boundary point (kind = flag + 2);
// a ground-surface boundary point needs only its X, as it lies where the ground line
// crosses the vertical through X. Each check shows its message and returns FALSE on the
// first fault; position is the row's place in the table (from 1), as the messages quote it.

#include "common/records/CoordinateRows.h"
#include "common/section/PointKind.h"

#include <vector>

namespace section {

// Shows the message with the row's number put in its %d; FALSE, for the checks to return.
BOOL RefuseRow(const char8_t* format, int number);
// The row has its coordinates (X; Y too for an inner boundary point) and a flag 0 to 2.
BOOL CheckBoundaryRowFields(const CoordinateRow& row, int position);
// The row's X lies within the model's X range (bounds inside) when the range is set.
BOOL CheckBoundaryRowRange(const CoordinateRow& row, int position, double minX, double maxX);
// At most one boundary point of each kind, left tested first, then right, then inner.
BOOL CheckBoundaryKindCounts(const std::vector<CoordinateRow>& rows);

// The kind a row's flag names (a flag the checks refused names no kind), and the flag
// that shows a boundary point's kind in the table.
constexpr PointKind BoundaryKindOfFlag(int flag) {
    return PointKindFromStored(flag + StoredPointKind(PointKind::kInnerBoundary));
}
constexpr int BoundaryFlagOf(PointKind kind) {
    return StoredPointKind(kind) - StoredPointKind(PointKind::kInnerBoundary);
}

} // namespace section
