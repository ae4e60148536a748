#pragma once
// A click that picks a position: in its pick mode the view's CommitPick receives the click,
// in any other mode it does nothing. The analysis program picks for an open table (mode 1);
// the section editor's point tools pick in mode 0, a new point or the point clicked on.

#include "common/ui/section/CFigPointInput.h"

class CFigPointPick : public CFigPointInput {
public:
    explicit CFigPointPick(int pickMode = 1) : pickMode_(pickMode) {}
    BOOL Commit(int mode) override;
    bool ChangesModel() const override { return false; }

private:
    int pickMode_;
};
