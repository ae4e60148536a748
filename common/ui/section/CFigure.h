#pragma once
// A mouse drawing tool ("figure"): lives while the user draws one thing in a section view
// (a line, a continuous line, a point, a selection or zoom rectangle). It keeps the start and
// the end of what is drawn in logical units and in metres with the number of the object each
// was snapped to, draws its rubber band with XOR (drawing the same band twice restores the
// canvas exactly), answers the view's hit test and horizontal/vertical rule, and at the end
// hands its result to the view, which passes it to its program's document.
//
// Positions: a figure never takes a logical position as "unset"; a missing previous position
// is a null pointer, so (0, 0) is a position like any other.

#include "common/geometry/DPoint.h"
#include "platform/core/CObject.h"
#include "platform/core/CPoint.h"
#include "platform/core/CRect.h"
#include "platform/ui/GdiTypes.h"

#include <vector>

class CDC;
class CViewBase;

namespace section {

// One clicked position: logical units, metres, and the object it was snapped to (0 none;
// a point key + 1; a line or slip line as -(key + 1)).
struct FigureVertex {
    CPoint logical;
    DPoint world;
    int number = 0;
};

// The world positions of a run of clicked positions, in order.
std::vector<DPoint> WorldPoints(const std::vector<FigureVertex>& run);

} // namespace section

class CFigure : public CObject {
    DECLARE_DYNAMIC(CFigure)
public:
    // The horizontal/vertical rule states.
    enum Rule { kNoRule = 0, kHorizontal = 1, kVertical = 2 };

    CFigure();
    ~CFigure() override;

    // colour: the colour the band shows on white; lineSize and the two mark sizes give the
    // repaint margins around the result (the larger of lineSize and each mark size, plus 1).
    void Setup(COLORREF colour, int lineSize, int markSizeX, int markSizeY, CViewBase* view);

    virtual BOOL SetStart(const section::FigureVertex& vertex);
    // Non-zero ends the tool.
    virtual BOOL SetEnd(const section::FigureVertex& vertex);
    // Closes a continuous figure: gives its first vertex (FALSE: the figure cannot close).
    virtual BOOL TakeFirstPoint(section::FigureVertex& first);
    // Drops the last vertex (its logical position in removed); TRUE when nothing is left.
    virtual BOOL UndoLastPoint(CPoint& removed);
    // XOR: erases the band drawn for previous (when given), then draws it for next (when
    // given). Pen and raster operation of the DC are restored.
    void Draw(CDC* dc, const CPoint* previous, const CPoint* next) const;
    // XOR of everything the figure shows, its band for last (when given) included: erases
    // the figure where it is shown and shows it again where it was erased.
    virtual void DrawWhole(CDC* dc, const CPoint* last) const;
    virtual BOOL Commit(int mode);
    // TRUE when the point lies in the square start +- kHitPixels (edges included): a click
    // that close to the start counts as the start again.
    static constexpr int kHitPixels = 2;
    virtual BOOL HitTest(const CPoint& point) const;
    // The horizontal/vertical rule: may move point onto the start's x or y; the new state.
    virtual int ApplyRule(CPoint& point, int previousRule) const;
    // True for the figures that follow their rule without Shift.
    virtual bool AlwaysRuled() const { return false; }
    // TRUE when the figure stays as the view's modal figure, drawn here, to be confirmed.
    virtual BOOL DrawModelPolygon(CDC* dc, COLORREF colour, int flag);
    // The modal figure's end: commit (left button) or cancel (right); TRUE when it may go.
    virtual BOOL Finish(int subMode, BOOL commit);
    // False for figures that only select, pick or zoom: their end leaves the model as it was.
    virtual bool ChangesModel() const { return true; }
    void GetBoundingRect(CRect* rect) const { *rect = m_rectBounding; }

    const section::FigureVertex& Start() const { return start_; }
    const section::FigureVertex& End() const { return end_; }
    bool HasEnd() const { return hasEnd_; }
    // Start and end in metres, ordered: x min, y min, x max, y max.
    void OrderedWorldRect(double rect[4]) const;

    CRect m_rectBounding; // the logical area the result covers; the view repaints it

protected:
    // The band for one position (the base: the rectangle from the start), drawn with the
    // XOR pen already selected.
    virtual void DrawShape(CDC* dc, const CPoint& at) const;
    // The area of the start and end, widened by the margins.
    void BoundStartAndEnd();
    CViewBase* View() const { return view_; }

    section::FigureVertex start_;
    section::FigureVertex end_;
    bool hasStart_ = false;
    bool hasEnd_ = false;
    COLORREF penColour_ = 0;
    int marginX_ = 1;
    int marginY_ = 1;

private:
    CViewBase* view_ = nullptr;
};

// The line family's rule: a position on the start's x or y keeps the previous state;
// otherwise a band at least as steep as 45 degrees becomes vertical, a flatter one
// horizontal.
int ApplyLineRule(const CPoint& start, CPoint& point, int previousRule);
