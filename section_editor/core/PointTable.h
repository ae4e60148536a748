#pragma once
// The coordinate tables of the section model: the ground line as an ordered list of points,
// and the ground-surface, measurement and boundary points as numbered lists. The rows come
// from the document; the row check refuses everything that applying the rows could not
// take, so that a refused table changes nothing; accepted rows become a pending edit that
// the user confirms in the view.
//
// Boundary-point rows carry a flag: 0 underground, 1 left and 2 right ground-surface
// boundary point (point kind = flag + 2). A ground-surface boundary point needs only its X:
// it lies where the ground line crosses the vertical through X.

#include "common/records/CoordinateRows.h"
#include "section_editor/core/PendingEdits.h"

#include <memory>
#include <vector>

namespace merdok {

class CBlockDoc;
class CNode;

enum PointTableKind : int {
    kTableGroundPoints = 800,
    kTableSitePoints = 801,
    kTableBoundPoints = 802,
    kTableGroundLine = 803,
};

// Model extents of the rows (all) and of what they change (changed), minimum x, maximum x,
// minimum y, maximum y; unset while empty.
struct TableExtents {
    double all[4];
    double changed[4];
    TableExtents();
};

// The most rows the table of the kind takes.
int PointTableRowLimit(int kind);

// The table's rows: the ground line's points in order, or the kind's points by number.
std::vector<CoordinateRow> PointTableRows(const CBlockDoc& doc, int kind,
                                          const std::vector<const CNode*>& lineOrder);

// The row check: FALSE after one message when the rows cannot be applied; close pairs only
// warn. Boundary points must lie within the model's X range (minX..maxX) when it is set.
BOOL CheckPointTableRows(CBlockDoc& doc, int kind, const std::vector<CoordinateRow>& rows, double minX,
                         double maxX);

// The edit the checked rows make, its document marks not yet set; null after the message
// when a ground-surface boundary point has no ground line under it.
std::unique_ptr<PendingPointEdit> PreparePointTableEdit(const CBlockDoc& doc, int kind,
                                                        const std::vector<CoordinateRow>& rows,
                                                        TableExtents* extents);

} // namespace merdok
