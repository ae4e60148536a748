#pragma once
// Clips segments to a rectangle by outcodes (Cohen-Sutherland), for drawing and for
// reading DXF. A rectangle built from the "no extent" bounds clips nothing.

#include "platform/core/CObject.h"
#include "platform/core/CPoint.h"
#include "platform/core/CRect.h"

class CClipRect : public CObject {
    DECLARE_DYNAMIC(CClipRect)

public:
    // From a window rectangle: x from left to right, y from top to bottom.
    explicit CClipRect(const CRect& window);
    // From bounds in the order xmin, xmax, ymin, ymax.
    explicit CClipRect(const double bounds[4]);

    int OutCode(double x, double y) const;
    // 1 visible (the coordinates clipped in place), 0 invisible (coordinates may have moved).
    int ClipSegment(double& x1, double& y1, double& x2, double& y2) const;
    // As ClipSegment on integer points; results truncated toward zero; on 0 the points stay.
    int ClipIntSegment(CPoint& a, CPoint& b) const;

    double xmin;
    double xmax;
    double ymin;
    double ymax;
    int enabled;
};
