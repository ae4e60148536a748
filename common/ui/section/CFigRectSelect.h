#pragma once
// The selection tool: a click on an object (the start snapped to it) selects that object at
// once; a click on nothing starts a rectangle whose second corner selects what lies inside.
// Band, hit test and rule apply only to the rectangle. The view's CommitSelection does the
// selecting by mode (10 rectangle, 11 point, 12 line, 13 slip line, 1 coordinate display).

#include "common/ui/section/CFigure.h"

class CFigRectSelect : public CFigure {
public:
    BOOL Commit(int mode) override;
    BOOL HitTest(const CPoint& point) const override;
    int ApplyRule(CPoint& point, int previousRule) const override;
    bool ChangesModel() const override { return false; }
    bool OnObject() const { return start_.number != 0; }

protected:
    void DrawShape(CDC* dc, const CPoint& at) const override;
};
