#pragma once
// The confirmation of pending point changes (a coordinate table, the selected-points table,
// a move): a modal figure that waits for the user's click. The left click commits, the right
// click asks "点座標の変更が無効になりますが、よろしいですか？" and drops the changes on Yes. What
// committing and dropping mean is the program's own: the figure hands the decision to the
// callback it was made with.

#include "common/ui/section/CFigure.h"

#include <functional>

class CFigMovePoint : public CFigure {
public:
    // The kinds of pending points: ground-surface, measurement, boundary points, a new
    // ground-surface line.
    enum Kind { kGroundPoints = 0, kMeasurePoints = 1, kBoundaryPoints = 2, kGroundLine = 3 };
    // decide(true) commits the pending points of the kind, decide(false) drops them.
    using Decide = std::function<void(bool commit)>;

    CFigMovePoint(int kind, Decide decide);

    // Commit (left button) or cancel (right); FALSE keeps the figure (the cancel answered No).
    BOOL Finish(int subMode, BOOL commit) override;
    int Kind() const { return kind_; }

private:
    int kind_;
    Decide decide_;
};
