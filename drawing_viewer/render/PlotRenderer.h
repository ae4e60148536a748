#pragma once
// Draws a page's item lists and texts onto any device context: a window's canvas, a
// printer, a PDF or SVG generator, an image. The caller sets the DC's mapping from drawing
// units (plot units less the document's origin and offset) to the device. On printer-like
// output (a printing DC, or the document drawn as an embedded picture) line types are
// drawn as solid dashes of fixed lengths, so that they keep their size on paper.
// The DC's pen, brush, font, text colour, alignment, background mode and character extra
// are left as they were found. On a DC whose painter is clipped (a band of an image drawn on
// several threads) the items and texts that cannot reach the clip's rows are left out.

#include "drawing_viewer/core/PlotDrawing.h"

#include "platform/core/CPoint.h"

#include <vector>

class CDC;
class CPen;

namespace zapho {

class CMainDoc;
class CPlotArrow;
class CPlotCenterMark;
class CPlotCircle;
class CPlotLine;
class CPlotPolyLine;
class CPlotPolygon;
class CPlotRectAngle;

class PlotRenderer {
public:
    // monochromePrint: printer-like output is all black (the "Monochromatic Print" setting).
    PlotRenderer(CMainDoc& doc, bool monochromePrint);

    void DrawPlotItems(CDC* dc, const PlotItemList& list);
    // With measure, stores each text's drawn extent (drawing units) into the item.
    void DrawPlotStrings(CDC* dc, int page, bool measure);

    // The resolved pen of a line of this width code and type, and its dash pattern
    // (empty: drawn with the pen itself).
    struct LineStyle {
        int penStyle = 0;
        int width = 1;
        std::vector<double> dashes;
    };
    LineStyle ResolveLineStyle(int widthCode, int lineType) const;

private:
    CPoint ToDrawing(CPoint plot) const;
    COLORREF ItemColor(const CPlotData& item) const;
    void DrawItem(const CPlotData& item);
    void DrawLine(const CPlotLine& line, COLORREF color);
    void DrawPolyLine(const CPlotPolyLine& polyline, COLORREF color);
    void DrawArrow(const CPlotArrow& arrow, COLORREF color);
    void DrawCenterMark(const CPlotCenterMark& mark, COLORREF color);
    void DrawCircle(const CPlotCircle& circle, COLORREF color);
    void DrawRectangle(const CPlotRectAngle& rect, COLORREF color);
    void DrawPolygon(const CPlotPolygon& polygon, COLORREF color);
    // A line through the points, as dashes where the style has them (running on over vertices).
    void DrawStyledPath(const CPoint* points, std::size_t count, const LineStyle& style, COLORREF color);
    // Draws the plain lines gathered so far (consecutive lines of one pen and colour).
    void FlushLines();
    // Takes the rows of the DC's clip, if it has one.
    void TakeClipRows(CDC* dc);
    // Whether drawing units lo to hi (either order), widened by margin units, miss those rows.
    bool MissesRows(int lo, int hi, double margin) const;
    bool MissesRows(const CPlotData& item) const;

    CMainDoc& doc_;
    bool monochromePrint_;
    CDC* dc_ = nullptr;
    bool printerLike_ = false;
    // Consecutive undashed lines of one pen and colour are drawn together; nothing else lies
    // between them, so the result is as if drawn one by one.
    struct LineBatch {
        int penStyle = 0;
        int width = 0;
        COLORREF color = 0;
        std::vector<CPoint> ends;
    };
    LineBatch lines_;
    std::vector<CPoint> drawing_; // a path's points in drawing units, reused
    bool clipped_ = false;
    int topRow_ = 0;    // the clip's first row
    int bottomRow_ = 0; // and the row after its last
    double rowsPerUnit_ = 0.0;
    int rowOfZero_ = 0;
};

} // namespace zapho
