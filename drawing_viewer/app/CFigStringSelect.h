#pragma once
// The string selection mode's figure. By the string hit at the press: a click on a string
// selects it (with Ctrl added to the selection); a press on empty paper drags a rectangle
// that selects the strings lying wholly inside; a press on a selected string (without Ctrl)
// drags every selected string of the page and moves them by the offset of the release.

#include "drawing_viewer/app/CFigure.h"

#include <vector>

namespace zapho {

class CPlotString;

class CFigStringSelect : public CFigure {
public:
    using CFigure::CFigure;

    BOOL Start(const Point& point) override;
    BOOL Commit(int figureType) override;
    BOOL IsNearStart(double x, double y) const override;

protected:
    void DrawBand(CDC& dc, CPoint point) const override;

private:
    void SelectOne(int index, bool keepOthers);
    void SelectInside(bool keepOthers);
    void MoveSelected();

    std::vector<CPlotString*> moving_;
};

} // namespace zapho
