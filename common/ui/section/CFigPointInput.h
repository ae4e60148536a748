#pragma once
// The point tools: the click itself is the point. No band; the release ends the tool at once
// (no hit area), and the commit (mode 0) hands the start to the view's CommitFigurePoint, which
// marks the document changed itself: a point whose dialog is cancelled leaves it as it was.

#include "common/ui/section/CFigure.h"

class CFigPointInput : public CFigure {
public:
    BOOL Commit(int mode) override;
    BOOL HitTest(const CPoint&) const override { return FALSE; }
    bool ChangesModel() const override { return false; }

protected:
    void DrawShape(CDC*, const CPoint&) const override {}
};
