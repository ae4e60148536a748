#pragma once
// The pending edits of the selected ground-surface points that both section programs make:
// their coordinates edited in a table, and their move by an offset. Only ground-surface
// points take part: selected measurement and boundary points carry numbers of their own
// lists.

#include "common/records/CoordinateRows.h"
#include "common/section/PendingPointEdit.h"

#include <functional>
#include <vector>

namespace section {

// The document's ground-surface point of the number into point; false when there is none.
using GroundPointLookup = std::function<bool(int number, PointRecord& point)>;

// The rows as a pending edit: a later row within 0.0004 m (less, on both axes) of an earlier
// one merges its point into the earlier one's; a row whose coordinates differ from its point's
// moves the point. Rows whose number names no point are passed over.
PendingPointEdit PrepareCoordinateEdit(std::vector<CoordinateRow> rows, const GroundPointLookup& lookup);
// The ground-surface points moved by dx and dy; an unset offset leaves that axis.
PendingPointEdit PrepareMove(const std::vector<PointRecord>& selection, double dx, double dy);

} // namespace section
