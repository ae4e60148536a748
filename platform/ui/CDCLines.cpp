// Many lines of one pen at once: a drawing's plain lines come by the thousand, and drawn one by
// one each pays for choosing the pen and brush again. (One fill of all their rectangles as a
// single path is no faster: the scan converter then walks every edge on every row.)

#include "platform/ui/CDC.h"

#include <QPainter>

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
    // Each segment is filled as FillWideSegment fills it, with the pen and brush set once.
    const QPen pen = painter_->pen();
    const QBrush brush = painter_->brush();
    painter_->setPen(tools_.NoPen());
    painter_->setBrush(pen.brush());
    for (int i = 0; i < segments; ++i) {
        const QPoint from = ToDevice(points[2 * i].x, points[2 * i].y);
        const QPoint to = ToDevice(points[2 * i + 1].x, points[2 * i + 1].y);
        if (from == to) {
            painter_->setPen(pen);
            const QPoint ends[2] = {from, to};
            painter_->drawPolyline(ends, 2);
            painter_->setPen(tools_.NoPen());
            continue;
        }
        QPointF corners[4];
        WideSegmentCorners(from, to, pen.widthF(), corners);
        painter_->drawPolygon(corners, 4, Qt::WindingFill);
    }
    painter_->setBrush(brush);
    painter_->setPen(pen);
    return TRUE;
}
