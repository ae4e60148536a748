#pragma once
// Edits of points chosen in the view: one point changed through the point dialog (at once),
// the coordinates of the selected ground-surface points edited in a table, and the selected
// ground-surface points moved by an offset. The last two become pending edits that the user
// confirms in the view. Only ground-surface points take part in the table and the move:
// selected measurement and boundary points carry numbers of their own lists.

#include "common/records/CoordinateRows.h"
#include "section_editor/core/PendingEdits.h"

#include <memory>
#include <vector>

namespace merdok {

class CBlockDoc;
class CNode;

// What the point dialog returns.
struct PointChange {
    int number;
    double x;
    double y;
    CString name;
};

// Point numbers run from 1 to this.
inline constexpr int kMaxPointNumber = 30000;

// Changes one point of the document. FALSE when nothing changed or after the message that
// refused the change; a boundary point must keep within the model's X range (minX..maxX).
// The document is marked modified once a change has passed the dialog's own checks.
BOOL ChangePoint(CBlockDoc& doc, CNode& point, const PointChange& change, double minX, double maxX);

// The rows of the coordinate table: the selected ground-surface points.
std::vector<CoordinateRow> SelectedPointRows(const std::vector<const CNode*>& selection);
// The table's row check: every numbered row names a ground-surface point once and has both
// coordinates. FALSE after the message.
BOOL CheckCoordinateEditRows(const CBlockDoc& doc, const std::vector<CoordinateRow>& rows);
// The rows as a pending edit of the document's ground-surface points
// (section::PrepareCoordinateEdit).
std::unique_ptr<PendingPointEdit> PrepareCoordinateEdit(const CBlockDoc& doc,
                                                        std::vector<CoordinateRow> rows);
// The selected ground-surface points moved by dx and dy (section::PrepareMove).
std::unique_ptr<PendingPointEdit> PrepareMove(const std::vector<const CNode*>& selection, double dx,
                                              double dy);

} // namespace merdok
