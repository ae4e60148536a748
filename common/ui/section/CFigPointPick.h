#pragma once
// A position picked for an open table (mode 1): the view's CommitPick receives the click.

#include "common/ui/section/CFigPointInput.h"

class CFigPointPick : public CFigPointInput {
public:
    BOOL Commit(int mode) override;
    bool ChangesModel() const override { return false; }
};
