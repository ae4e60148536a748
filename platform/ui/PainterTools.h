#pragma once
// The pens and brushes a DC hands its painter, kept while they stay the same. A painter skips
// a pen or brush it holds already, but a new one costs it a state change, and Qt's empty pen
// and brush are one object for the whole process whose count every drawing thread changes:
// threads drawing bands of one picture would queue on it at every item.

#include <QBrush>
#include <QColor>
#include <QPen>

class PainterTools {
public:
    PainterTools();

    // A flat-capped, mitred pen; width 0 is a cosmetic one-pixel pen.
    const QPen& Pen(QColor color, int width, Qt::PenStyle style);
    const QPen& NoPen() const { return noPen_; }
    const QBrush& Brush(QColor color);
    const QBrush& NoBrush() const { return noBrush_; }

private:
    QPen noPen_;
    QBrush noBrush_;
    QPen pen_;
    bool penSet_ = false;
    QBrush brush_;
    bool brushSet_ = false;
};
