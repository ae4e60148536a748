#include "common/ui/section/CFigMovePoint.h"

#include "common/ui/section/CViewBase.h"
#include "platform/core/MessageSink.h"

#include <utility>

CFigMovePoint::CFigMovePoint(int kind, Decide decide) : kind_(kind), decide_(std::move(decide)) {}

BOOL CFigMovePoint::Finish(int, BOOL commit) {
    if (kind_ < kGroundPoints || kind_ > kGroundLine || !View() || !decide_) {
        return TRUE;
    }
    if (!commit && AfxMessageBox(u8"点座標の変更が無効になりますが、よろしいですか？",
                                 MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return FALSE;
    }
    decide_(commit != FALSE);
    // The view shows its tool's prompt again when the figure goes; the title is the figure's.
    if (View()->HasToolTitle()) {
        View()->ShowToolTitle();
    }
    return TRUE;
}
