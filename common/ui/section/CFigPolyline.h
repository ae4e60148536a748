#pragma once
// The continuous ground-line tool: every release adds a vertex and moves the start onto it;
// the segments already drawn stay on the canvas (XOR) until the tool ends. A release within
// 3 logical units of the last vertex ends it; Backspace takes the last vertex back; closing
// gives the first vertex again. Its commit (mode 0) hands all vertices to the view as one run.

#include "common/ui/section/CFigure.h"

#include <vector>

class CFigPolyline : public CFigure {
public:
    BOOL SetStart(const section::FigureVertex& vertex) override;
    BOOL SetEnd(const section::FigureVertex& vertex) override;
    BOOL TakeFirstPoint(section::FigureVertex& first) override;
    BOOL UndoLastPoint(CPoint& removed) override;
    void DrawWhole(CDC* dc, const CPoint* last) const override;
    BOOL Commit(int mode) override;
    int ApplyRule(CPoint& point, int previousRule) const override;
    // Flag 1: the vertices as a closed polygon, kept for confirmation.
    BOOL DrawModelPolygon(CDC* dc, COLORREF colour, int flag) override;

protected:
    void DrawShape(CDC* dc, const CPoint& at) const override;

private:
    std::vector<section::FigureVertex> vertices_;
};
