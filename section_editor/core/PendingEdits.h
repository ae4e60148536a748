#pragma once
// The section editor's side of a pending point edit (common/section/PendingPointEdit.h):
// the marks it shows in the document until the user's final click, and the document taking
// it (accept) or forgetting it (discard). The document changes only in its point and line
// states until then: replaced points 1, dropped points -1.

#include "common/section/PendingPointEdit.h"
#include "platform/core/CString.h"

namespace merdok {

class CBlockDoc;

using section::PendingPointEdit;

// Sets the marks in the document: replaced points 1, dropped points -1 (with the lines that
// end at a dropped ground-surface point), every other point of the edit's kind 0.
void MarkPendingEdit(CBlockDoc& doc, const PendingPointEdit& edit);
// Applies the copies. The ground line is rebuilt through the points in order; its lines are
// made before the old ones go, so that a line that cannot be made leaves the document as it
// was (FALSE after the document's message, the edit discarded).
BOOL AcceptPendingEdit(CBlockDoc& doc, PendingPointEdit& edit);
// Every mark back to 0; the copies go.
void DiscardPendingEdit(CBlockDoc& doc, PendingPointEdit& edit);

} // namespace merdok
