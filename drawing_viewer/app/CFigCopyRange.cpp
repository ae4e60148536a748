#include "drawing_viewer/app/CFigCopyRange.h"

#include "drawing_viewer/app/CMainView.h"

namespace zapho {

BOOL CFigCopyRange::Commit(int /*figureType*/) {
    return ended_ ? TRUE : FALSE;
}

BOOL CFigCopyRange::Draw(CDC& dc, int figureType) {
    if (figureType != 1 || !ended_) {
        return FALSE;
    }
    BandPen pen(dc, xorColor_);
    // The corners where the paper lies now: the view may have scrolled since.
    CrossedRectangle(dc, view_.PaperToClient(start_.x, start_.y), view_.PaperToClient(end_.x, end_.y));
    return TRUE;
}

BOOL CFigCopyRange::Finish(int figureType, bool confirmed) {
    if (figureType == 1 && confirmed && ended_) {
        view_.CopyRange(start_.x, start_.y, end_.x, end_.y);
    }
    return TRUE;
}

void CFigCopyRange::DrawBand(CDC& dc, CPoint point) const {
    BandPen pen(dc, xorColor_);
    CrossedRectangle(dc, start_.client, point);
}

} // namespace zapho
