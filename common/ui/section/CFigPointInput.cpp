#include "common/ui/section/CFigPointInput.h"

#include "common/ui/section/CViewBase.h"

BOOL CFigPointInput::Commit(int mode) {
    if (mode == 0) {
        View()->CommitFigurePoint(start_);
    }
    m_rectBounding.SetRectEmpty();
    return TRUE;
}
