#include "common/ui/shell/ToolBarImages.h"

#include "common/ui/section/SectionCommands.h"
#include "common/ui/shell/ShellIds.h"
#include "platform/ui/AfxRes.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygon>

namespace shell {

namespace {

constexpr int kImageWidth = 16;
constexpr int kImageHeight = 15;
const QColor kInk(0, 0, 0);
const QColor kFolder(255, 208, 64);
const QColor kDisk(0, 0, 160);
const QColor kGlass(160, 224, 255);
const QColor kDelete(208, 0, 0);
const QColor kSlipLine(224, 0, 0);
const QColor kGround(0, 128, 0);

// Paints one image on a transparent 16 x 15 pixmap without smoothing, as the bars' bitmaps are.
template <class Paint> QIcon DrawImage(Paint paint) {
    QPixmap pixmap(kImageWidth, kImageHeight);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    paint(painter);
    painter.end();
    return QIcon(pixmap);
}

void Folder(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(kFolder);
    p.drawPolygon(QPolygon({{1, 3}, {5, 3}, {6, 5}, {13, 5}, {13, 13}, {1, 13}}));
    p.setBrush(QColor(255, 240, 160));
    p.drawPolygon(QPolygon({{3, 7}, {15, 7}, {13, 13}, {1, 13}}));
}

void Disk(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(kDisk);
    p.drawRect(1, 1, 13, 13);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(4, 9, 7, 5);
}

void Magnifier(QPainter& p, int sign) {
    p.setPen(kInk);
    p.setBrush(kGlass);
    p.drawEllipse(1, 1, 9, 9);
    p.drawLine(6, 5, 6, 5);
    p.setPen(QPen(kInk, 2));
    p.drawLine(10, 10, 14, 14);
    p.setPen(kInk);
    if (sign != 0) {
        p.drawLine(3, 5, 8, 5);
    }
    if (sign > 0) {
        p.drawLine(5, 3, 5, 8);
    }
}

void ViewAll(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawRect(0, 0, 15, 14);
    p.setPen(kGround);
    p.drawPolyline(QPolygon({{2, 10}, {6, 6}, {9, 7}, {13, 3}}));
    p.setPen(kInk);
    p.drawLine(1, 1, 3, 1);
    p.drawLine(1, 1, 1, 3);
    p.drawLine(12, 13, 14, 13);
    p.drawLine(14, 11, 14, 13);
}

void Properties(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawRect(1, 1, 11, 13);
    p.setPen(QColor(255, 0, 0));
    p.drawLine(3, 4, 10, 4);
    p.setPen(QColor(0, 0, 255));
    p.drawLine(3, 7, 10, 7);
    p.setPen(kGround);
    p.drawLine(3, 10, 10, 10);
    p.setPen(kInk);
    p.setBrush(QColor(255, 255, 0));
    p.drawPolygon(QPolygon({{15, 2}, {13, 0}, {7, 11}, {7, 13}, {9, 12}}));
}

void Arrow(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({{3, 0}, {3, 12}, {6, 9}, {9, 14}, {11, 13}, {8, 8}, {12, 8}}));
}

void Cross(QPainter& p) {
    p.setPen(QPen(kDelete, 2));
    p.drawLine(3, 2, 12, 12);
    p.drawLine(12, 2, 3, 12);
}

// A ground line with a triangle mark at its left end, below it or at its right end.
void BoundaryPoint(QPainter& p, const QColor& color, BoundarySide where) {
    const int side = where == BoundarySide::kLeft ? -1 : (where == BoundarySide::kRight ? 1 : 0);
    p.setPen(kGround);
    p.drawPolyline(QPolygon({{0, 6}, {5, 4}, {10, 5}, {15, 2}}));
    const int x = side < 0 ? 3 : (side > 0 ? 12 : 8);
    const int y = side == 0 ? 12 : 6;
    p.setPen(color);
    p.setBrush(color);
    p.drawPolygon(QPolygon({{x, y - 4}, {x - 3, y + 2}, {x + 3, y + 2}}));
}

void GroundPoint(QPainter& p) {
    p.setPen(kGround);
    p.drawPolyline(QPolygon({{0, 10}, {5, 8}, {10, 9}, {15, 6}}));
    p.setPen(kInk);
    p.setBrush(kInk);
    p.drawRect(4, 6, 3, 3);
}

void SingleLine(QPainter& p) {
    p.setPen(QPen(kGround, 2));
    p.drawLine(2, 11, 13, 4);
    p.setPen(kInk);
    p.setBrush(kInk);
    p.drawRect(1, 10, 2, 2);
    p.drawRect(12, 3, 2, 2);
}

void ContinuousLine(QPainter& p) {
    p.setPen(QPen(kGround, 2));
    p.drawPolyline(QPolygon({{1, 11}, {5, 6}, {9, 8}, {14, 3}}));
    p.setPen(kInk);
    p.setBrush(kInk);
    for (const QPoint& at : {QPoint(1, 11), QPoint(5, 6), QPoint(9, 8), QPoint(14, 3)}) {
        p.drawRect(at.x() - 1, at.y() - 1, 2, 2);
    }
}

void MeasurePoint(QPainter& p) {
    p.setPen(kGround);
    p.drawPolyline(QPolygon({{0, 10}, {5, 8}, {10, 9}, {15, 6}}));
    p.setPen(QPen(QColor(255, 0, 255), 2));
    p.drawLine(5, 2, 11, 8);
    p.drawLine(11, 2, 5, 8);
}

// A table with its first column marked in the colour of what it lists.
void Table(QPainter& p, const QColor& mark) {
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawRect(0, 1, 15, 12);
    for (int y = 4; y < 13; y += 3) {
        p.drawLine(0, y, 15, y);
    }
    p.drawLine(4, 1, 4, 13);
    p.drawLine(10, 1, 10, 13);
    p.fillRect(1, 2, 3, 2, mark);
}

void AnalysisRun(QPainter& p) {
    p.setPen(kGround);
    p.drawPolyline(QPolygon({{0, 3}, {5, 2}, {10, 5}, {15, 8}}));
    p.setPen(QPen(kSlipLine, 2));
    QPainterPath arc;
    arc.moveTo(1, 3);
    arc.quadTo(8, 18, 15, 8);
    p.drawPath(arc);
}

} // namespace

QIcon BoundaryPointImage(BoundarySide side, const QColor& color) {
    return DrawImage([&](QPainter& p) { BoundaryPoint(p, color, side); });
}

QIcon ToolBarImage(ToolImage image) {
    switch (image) {
    case ToolImage::kOpen:
        return DrawImage(Folder);
    case ToolImage::kSave:
        return DrawImage(Disk);
    case ToolImage::kZoomIn:
        return DrawImage([](QPainter& p) { Magnifier(p, 1); });
    case ToolImage::kZoomOut:
        return DrawImage([](QPainter& p) { Magnifier(p, -1); });
    case ToolImage::kViewAll:
        return DrawImage(ViewAll);
    case ToolImage::kProperties:
        return DrawImage(Properties);
    case ToolImage::kSelect:
        return DrawImage(Arrow);
    case ToolImage::kDelete:
        return DrawImage(Cross);
    case ToolImage::kGroundPoint:
        return DrawImage(GroundPoint);
    case ToolImage::kSingleLine:
        return DrawImage(SingleLine);
    case ToolImage::kContinuousLine:
        return DrawImage(ContinuousLine);
    case ToolImage::kMeasurePoint:
        return DrawImage(MeasurePoint);
    case ToolImage::kGroundLineTable:
        return DrawImage([](QPainter& p) { Table(p, kGround); });
    case ToolImage::kMeasureTable:
        return DrawImage([](QPainter& p) { Table(p, QColor(255, 0, 255)); });
    case ToolImage::kBoundTable:
        return DrawImage([](QPainter& p) { Table(p, QColor(0, 0, 128)); });
    case ToolImage::kAnalysisRun:
        return DrawImage(AnalysisRun);
    }
    return QIcon();
}

QIcon SharedCommandImage(UINT commandId) {
    const std::pair<UINT, ToolImage> images[] = {{ID_FILE_OPEN, ToolImage::kOpen},
                                                 {ID_FILE_SAVE, ToolImage::kSave},
                                                 {section::ID_VIEW_SCALE_UP, ToolImage::kZoomIn},
                                                 {section::ID_VIEW_SCALE_DOWN, ToolImage::kZoomOut},
                                                 {section::ID_VIEW_ALL, ToolImage::kViewAll},
                                                 {ID_VIEW_PROPERTIES, ToolImage::kProperties},
                                                 {ID_EDIT_SELECT, ToolImage::kSelect},
                                                 {ID_EDIT_DELETE, ToolImage::kDelete}};
    for (const auto& [id, image] : images) {
        if (id == commandId) {
            return ToolBarImage(image);
        }
    }
    return QIcon();
}

} // namespace shell
