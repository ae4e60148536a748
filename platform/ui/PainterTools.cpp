#include "PainterTools.h"

PainterTools::PainterTools() : noPen_(Qt::black), noBrush_(Qt::black) {
    // Changing the style of a pen and brush of their own keeps them their own: constructed
    // empty they would share Qt's single empty ones.
    noPen_.setStyle(Qt::NoPen);
    noBrush_.setStyle(Qt::NoBrush);
}

const QPen& PainterTools::Pen(QColor color, int width, Qt::PenStyle style) {
    if (!penSet_ || pen_.color() != color || pen_.width() != width || pen_.style() != style) {
        pen_ = QPen(color, width, style, Qt::FlatCap, Qt::MiterJoin);
        pen_.setCosmetic(width == 0);
        penSet_ = true;
    }
    return pen_;
}

const QBrush& PainterTools::Brush(QColor color) {
    if (!brushSet_ || brush_.color() != color) {
        brush_ = QBrush(color);
        brushSet_ = true;
    }
    return brush_;
}
