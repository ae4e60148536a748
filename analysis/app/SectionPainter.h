#pragma once
// One painting of an analysis view: the layers of the section in their order, on the device
// context given (window, printer or preview), in the view's logical units.

#include "analysis/app/CBlockView.h"

#include "common/geometry/CClipRect.h"
#include "common/geometry/DPoint.h"
#include "platform/core/CString.h"

#include <vector>

class CDC;

namespace torvan {

class CBlockDoc;
class CDispData;
class CNode;
class CVerrant;

class SectionPainter {
public:
    SectionPainter(CBlockView& view, CBlockDoc& model, CDC& dc);

    void Paint();

    // A point's label: its number, or (number type 1 and more) its name, cut to 15 bytes on a
    // character boundary when it has 16 or more.
    static CString PointLabel(int number, const CString& name, int numberType);
    static CString PointLabel(const CNode& point, int numberType);

private:
    void GroundLines();
    void Points(int item);
    void PointMarks(int item);
    void PointNumbers(int item);
    void PendingPoints();
    // A point's label, its bottom-left corner one pixel right of and below the point.
    void NumberBeside(int item, CPoint point, const CString& text);
    void LineNumbers();
    void Vectors();
    void DrawVector(const CDispData& record, int mode);
    void BlockLines();
    void EditedBlockLines();
    void SlipLines();
    void SlipLineNumbers();
    void ToolSurface();

    // A segment in model metres, clipped to the painted area; false when nothing shows.
    bool Segment(double x1, double y1, double x2, double y2);
    void Polyline(const std::vector<double>& xs, const std::vector<double>& ys);
    // A hollow equilateral triangle round the point, apex below (half width in pixels).
    void HollowTriangle(CPoint point, int halfWidth, COLORREF color);
    // A label with its bottom-left corner at the logical point, in the number item's style.
    void Label(int item, CPoint bottomLeft, const CString& text);
    void CentredLabel(int item, CPoint centre, const CString& text);
    bool InClip(CPoint point) const;
    bool PointXY(int key, double& x, double& y) const;

    CBlockView& view_;
    CBlockDoc& model_;
    CDC& dc_;
    DisplaySettings& display_;
    CRect clip_;
    CClipRect clipper_;
    int markSize_ = 5;          // 1.5 mm in device pixels
    double vectorFactor_ = 0.0; // model metres per metre of displacement; 0: no vectors
};

} // namespace torvan
