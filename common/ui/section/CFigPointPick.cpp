#include "common/ui/section/CFigPointPick.h"

#include "common/ui/section/CViewBase.h"

BOOL CFigPointPick::Commit(int mode) {
    return mode == pickMode_ ? View()->CommitPick(start_) : TRUE;
}
