#pragma once
// An interactive figure of the drawing viewer's view: what a press, mouse moves and a release
// give, rubber-banded on the window with an XOR pen so that drawing a band twice erases it.
// Points are kept twice: as client pixels (for drawing) and as paper coordinates (plot
// units, y upwards). The view owns the active figure and runs the protocol: Start at the
// press, Track on moves, Next and Commit at the release, Draw and Finish for a range that
// waits for a confirming click.

#include "platform/core/CPoint.h"
#include "platform/ui/CBrush.h"
#include "platform/ui/CPen.h"
#include "platform/ui/GdiTypes.h"

class CDC;

namespace zapho {

class CMainView;

class CFigure {
public:
    // Pixels and paper coordinates of one point, and the string hit test's result there.
    struct Point {
        CPoint client;
        double x = 0.0;
        double y = 0.0;
        int hit = 0;
    };

    // color: the colour the band shows on white paper.
    CFigure(CMainView& view, COLORREF color);
    virtual ~CFigure() = default;
    CFigure(const CFigure&) = delete;
    CFigure& operator=(const CFigure&) = delete;

    virtual BOOL Start(const Point& point);
    virtual BOOL Next(const Point& point);
    // Moves the band to the client point: the band shown is drawn again (erased), the new one drawn.
    virtual void Track(CDC& dc, CPoint point);
    // figureType: 0 string input, 1 copy range, 2 selection, 3 selection with Ctrl.
    virtual BOOL Commit(int figureType);
    // A point within 5 plot units of the start in both directions (right and bottom excluded).
    virtual BOOL IsNearStart(double x, double y) const;
    // A waiting figure draws itself on a repaint; FALSE when it does not wait.
    virtual BOOL Draw(CDC& dc, int figureType);
    virtual BOOL Finish(int figureType, bool confirmed);

    // With Shift: a point off the start in both directions moves onto the start's x (steeper
    // than 45 degrees) or y.
    void Constrain(CPoint& client) const;
    // Draws the band shown again, after a repaint drew the page under it.
    void RedrawBand(CDC& dc) const;
    // Erases the band shown.
    void EraseBand(CDC& dc);

    bool HasEnd() const { return ended_; }
    const Point& StartPoint() const { return start_; }

protected:
    // The band for the client point; drawn twice it vanishes. Base: a rectangle from the start.
    virtual void DrawBand(CDC& dc, CPoint point) const;
    // The XOR pen and a hollow brush selected into a DC for as long as it lives.
    class BandPen {
    public:
        BandPen(CDC& dc, COLORREF xorColor);
        ~BandPen();
        BandPen(const BandPen&) = delete;
        BandPen& operator=(const BandPen&) = delete;

    private:
        CDC& dc_;
        CPen pen_;
        CPen* oldPen_;
        CBrush* oldBrush_;
        int oldRop_;
    };
    // The rectangle from the start to the point with both diagonals.
    static void CrossedRectangle(CDC& dc, CPoint a, CPoint b);

    CMainView& view_;
    COLORREF xorColor_; // the colour XOR white
    Point start_;
    Point end_;
    bool ended_ = false;

private:
    bool bandShown_ = false;
    CPoint bandAt_;
};

} // namespace zapho
