// Many lines of one pen at once: a drawing's plain lines come by the thousand, and drawn one by
// one each pays the painter's set-up and a rasterizer pass of its own.

#include "platform/ui/CDC.h"

#include <QPainter>
#include <QPainterPath>

BOOL CDC::LineSegments(const CPoint* points, int count) {
    if (!painter_ || count < 2) {
        return FALSE;
    }
    ApplyPen();
    const int segments = count / 2;
    if (!IsPlainWidePen()) {
        for (int i = 0; i < segments; ++i) {
            const QPoint ends[2] = {ToDevice(points[2 * i].x, points[2 * i].y),
                                    ToDevice(points[2 * i + 1].x, points[2 * i + 1].y)};
            painter_->drawPolyline(ends, 2);
        }
        return TRUE;
    }
    // The rectangles of the segments as one path: they all run the same way round, so the
    // winding fill covers exactly the pixels that filling them one by one would.
    const QPen pen = painter_->pen();
    QPainterPath path;
    path.reserve(5 * segments);
    for (int i = 0; i < segments; ++i) {
        const QPoint from = ToDevice(points[2 * i].x, points[2 * i].y);
        const QPoint to = ToDevice(points[2 * i + 1].x, points[2 * i + 1].y);
        if (from == to) {
            const QPoint ends[2] = {from, to};
            painter_->drawPolyline(ends, 2);
            continue;
        }
        QPointF corners[4];
        WideSegmentCorners(from, to, pen.widthF(), corners);
        path.moveTo(corners[0]);
        path.lineTo(corners[1]);
        path.lineTo(corners[2]);
        path.lineTo(corners[3]);
        path.closeSubpath();
    }
    path.setFillRule(Qt::WindingFill);
    painter_->fillPath(path, pen.brush());
    return TRUE;
}
