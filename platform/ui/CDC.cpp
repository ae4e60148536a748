#include "platform/ui/CDC.h"

#include "platform/ui/QtColor.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CDC, CObject)

namespace {

COLORREF FromQColor(QRgb rgb) {
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

Qt::PenStyle ToQtStyle(int style) {
    switch (style) {
    case PS_DASH:
        return Qt::DashLine;
    case PS_DOT:
        return Qt::DotLine;
    case PS_DASHDOT:
        return Qt::DashDotLine;
    case PS_DASHDOTDOT:
        return Qt::DashDotDotLine;
    case PS_NULL:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

} // namespace

CDC::CDC() : pen_(&defaultPen_), brush_(&defaultBrush_), font_(&defaultFont_) {
    defaultPen_.CreatePen(PS_SOLID, 0, RGB(0, 0, 0));
    defaultBrush_.CreateSolidBrush(RGB(255, 255, 255));
    defaultFont_.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, FIXED_PITCH, "");
    stockPens_[0].CreatePen(PS_SOLID, 0, RGB(255, 255, 255));
    stockPens_[1].CreatePen(PS_SOLID, 0, RGB(0, 0, 0));
    stockPens_[2].CreatePen(PS_NULL, 0, 0);
    const COLORREF grays[] = {RGB(255, 255, 255), RGB(192, 192, 192), RGB(128, 128, 128), RGB(64, 64, 64),
                              RGB(0, 0, 0)};
    for (int i = 0; i < 5; ++i) {
        stockBrushes_[i].CreateSolidBrush(grays[i]);
    }
    stockBrushes_[5].CreateHollowBrush();
}

CDC::~CDC() {
    if (bitmap_ && bitmap_->SelectedInto() == this) {
        bitmap_->SetSelectedInto(nullptr);
    }
    Detach();
}

void CDC::ReleaseBitmap(CBitmap* bitmap) {
    if (bitmap_ != bitmap) {
        return;
    }
    if (memory_) {
        Detach();
    }
    bitmap_ = nullptr;
}

void CDC::Begin(QPaintDevice* device) {
    Detach();
    textFontCache_.valid = false;
    device_ = device;
    painter_ = std::make_unique<QPainter>(device);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, printing_);
}

BOOL CDC::AttachImage(QImage* image) {
    printing_ = false;
    if (!image || image->isNull()) {
        return FALSE;
    }
    Begin(image);
    image_ = image;
    return TRUE;
}

void CDC::CopyStateOf(const CDC& other) {
    rop2_ = other.rop2_;
    textColor_ = other.textColor_;
    bkColor_ = other.bkColor_;
    bkMode_ = other.bkMode_;
    textAlign_ = other.textAlign_;
    charExtra_ = other.charExtra_;
    polyFillMode_ = other.polyFillMode_;
    mapMode_ = other.mapMode_;
    windowOrg_ = other.windowOrg_;
    windowExt_ = other.windowExt_;
    viewportOrg_ = other.viewportOrg_;
    viewportExt_ = other.viewportExt_;
    position_ = other.position_;
}

BOOL CDC::AttachDevice(QPaintDevice* device, bool printing) {
    printing_ = printing;
    if (!device) {
        return FALSE;
    }
    Begin(device);
    return painter_->isActive();
}

void CDC::Detach() {
    if (painter_) {
        painter_->end();
    }
    painter_.reset();
    device_ = nullptr;
    image_ = nullptr;
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
    Detach();
    memory_ = true;
    printing_ = dc && dc->IsPrinting();
    return TRUE;
}

CPen* CDC::SelectObject(CPen* pen) {
    CPen* old = pen_;
    pen_ = pen ? pen : &defaultPen_;
    return old;
}

CBrush* CDC::SelectObject(CBrush* brush) {
    CBrush* old = brush_;
    brush_ = brush ? brush : &defaultBrush_;
    return old;
}

CFont* CDC::SelectObject(CFont* font) {
    CFont* old = font_;
    font_ = font ? font : &defaultFont_;
    return old;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
    CBitmap* old = bitmap_;
    if (old && old->SelectedInto() == this) {
        old->SetSelectedInto(nullptr);
    }
    bitmap_ = bitmap;
    if (bitmap) {
        bitmap->SetSelectedInto(this);
    }
    if (memory_) {
        Detach();
        if (bitmap && !bitmap->Image().isNull()) {
            AttachImage(&bitmap->Image());
        }
    }
    return old;
}

CGdiObject* CDC::SelectStockObject(int index) {
    if (index >= WHITE_PEN && index <= NULL_PEN) {
        return SelectObject(&stockPens_[index - WHITE_PEN]);
    }
    if (index == GRAY_BRUSH || index == LTGRAY_BRUSH || index == WHITE_BRUSH) {
        return SelectObject(&stockBrushes_[index]);
    }
    if (index == BLACK_BRUSH) {
        return SelectObject(&stockBrushes_[4]);
    }
    if (index == NULL_BRUSH) {
        return SelectObject(&stockBrushes_[5]);
    }
    return nullptr;
}

int CDC::SetROP2(int mode) {
    return std::exchange(rop2_, mode);
}
COLORREF CDC::SetTextColor(COLORREF color) {
    return std::exchange(textColor_, color);
}
int CDC::SetBkMode(int mode) {
    return std::exchange(bkMode_, mode);
}
UINT CDC::SetTextAlign(UINT flags) {
    return std::exchange(textAlign_, flags);
}
int CDC::SetTextCharacterExtra(int extra) {
    return std::exchange(charExtra_, extra);
}
int CDC::SetPolyFillMode(int mode) {
    return std::exchange(polyFillMode_, mode);
}
int CDC::ExtraPixels() const {
    return static_cast<int>(std::lround(charExtra_ * std::fabs(ScaleX())));
}

int CDC::SetMapMode(int mode) {
    int old = mapMode_;
    mapMode_ = mode;
    if (mode == MM_TEXT) {
        windowExt_ = CSize(1, 1);
        viewportExt_ = CSize(1, 1);
    } else if (mode == MM_LOMETRIC) {
        // 0.1 mm per logical unit, y growing upwards.
        windowExt_ = CSize(254, 254);
        viewportExt_ = CSize(GetDeviceCaps(LOGPIXELSX), -GetDeviceCaps(LOGPIXELSY));
    }
    return old;
}

CPoint CDC::SetWindowOrg(int x, int y) {
    return std::exchange(windowOrg_, CPoint(x, y));
}

CSize CDC::SetWindowExt(int cx, int cy) {
    CSize old = windowExt_;
    if (mapMode_ == MM_ANISOTROPIC || mapMode_ == MM_ISOTROPIC) {
        windowExt_ = CSize(cx ? cx : 1, cy ? cy : 1);
    }
    return old;
}

CPoint CDC::SetViewportOrg(int x, int y) {
    return std::exchange(viewportOrg_, CPoint(x, y));
}

CSize CDC::SetViewportExt(int cx, int cy) {
    CSize old = viewportExt_;
    if (mapMode_ == MM_ANISOTROPIC || mapMode_ == MM_ISOTROPIC) {
        viewportExt_ = CSize(cx ? cx : 1, cy ? cy : 1);
    }
    return old;
}

double CDC::ScaleX() const {
    return static_cast<double>(viewportExt_.cx) / windowExt_.cx;
}
double CDC::ScaleY() const {
    return static_cast<double>(viewportExt_.cy) / windowExt_.cy;
}

QPoint CDC::ToDevice(int x, int y) const {
    return QPoint(static_cast<int>(std::lround((x - windowOrg_.x) * ScaleX())) + viewportOrg_.x,
                  static_cast<int>(std::lround((y - windowOrg_.y) * ScaleY())) + viewportOrg_.y);
}

void CDC::LPtoDP(CPoint* points, int count) const {
    for (int i = 0; i < count; ++i) {
        QPoint p = ToDevice(points[i].x, points[i].y);
        points[i] = CPoint(p.x(), p.y());
    }
}

void CDC::DPtoLP(CPoint* points, int count) const {
    for (int i = 0; i < count; ++i) {
        points[i].x = static_cast<int>(std::lround((points[i].x - viewportOrg_.x) / ScaleX())) + windowOrg_.x;
        points[i].y = static_cast<int>(std::lround((points[i].y - viewportOrg_.y) / ScaleY())) + windowOrg_.y;
    }
}

void CDC::DPtoLP(CRect* rect) const {
    CPoint corners[2] = {rect->TopLeft(), rect->BottomRight()};
    DPtoLP(corners, 2);
    *rect = CRect(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
}

void CDC::ApplyRop() {
    switch (rop2_) {
    case R2_XORPEN:
        painter_->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
    case R2_NOTXORPEN:
        painter_->setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        break;
    case R2_NOT:
        painter_->setCompositionMode(QPainter::RasterOp_NotDestination);
        break;
    case R2_MASKPEN:
        painter_->setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        break;
    case R2_MERGEPEN:
        painter_->setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        break;
    default:
        painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
        break;
    }
}

void CDC::ApplyPen() {
    ApplyRop();
    if (pen_->m_nStyle == PS_NULL || rop2_ == R2_NOP) {
        painter_->setPen(tools_.NoPen());
        return;
    }
    QColor color = platform::ToQColor(rop2_ == R2_BLACK   ? RGB(0, 0, 0)
                                      : rop2_ == R2_WHITE ? RGB(255, 255, 255)
                                                          : pen_->m_color);
    int width = pen_->m_nWidth == 0
                    ? 0
                    : std::max(1, static_cast<int>(std::lround(pen_->m_nWidth * std::fabs(ScaleX()))));
    const Qt::PenStyle style = ToQtStyle(pen_->m_nStyle);
    // The preview scales its recorded page as a picture: a non-cosmetic pen thinner than a
    // screen pixel comes out faded in proportion, and filled segments drop out.
    if (previewScale_ > 0 && width * previewScale_ < (style == Qt::SolidLine ? 1.0 : 2.0)) {
        width = 0;
    }
    painter_->setPen(tools_.Pen(color, width, style));
}

void CDC::ApplyBrush() {
    if (brush_->m_bHollow) {
        painter_->setBrush(tools_.NoBrush());
    } else {
        painter_->setBrush(tools_.Brush(platform::ToQColor(brush_->m_color)));
    }
}

CPoint CDC::MoveTo(int x, int y) {
    return std::exchange(position_, CPoint(x, y));
}

BOOL CDC::LineTo(int x, int y) {
    if (!painter_) {
        return FALSE;
    }
    ApplyPen();
    // GDI lines exclude their end point; a cosmetic pen draws each pixel once, which XOR needs.
    QPoint from = ToDevice(position_.x, position_.y);
    QPoint to = ToDevice(x, y);
    if (from != to) {
        QPoint step((to.x() > from.x()) - (to.x() < from.x()), (to.y() > from.y()) - (to.y() < from.y()));
        bool straight = from.x() == to.x() || from.y() == to.y();
        const QPoint end = straight ? to - step : to;
        if (!FillWideSegment(from, end)) {
            painter_->drawLine(from, end);
        }
    }
    position_ = CPoint(x, y);
    return TRUE;
}

bool CDC::IsPlainWidePen() const {
    const QPen& pen = painter_->pen();
    return pen.style() == Qt::SolidLine && !pen.isCosmetic() && pen.width() >= 2 &&
           pen.capStyle() == Qt::FlatCap && rop2_ == R2_COPYPEN &&
           !painter_->testRenderHint(QPainter::Antialiasing);
}

bool CDC::FillWideSegment(QPoint from, QPoint to) {
    if (from == to || !IsPlainWidePen()) {
        return false;
    }
    const QPen pen = painter_->pen();
    QPointF corners[4];
    WideSegmentCorners(from, to, pen.widthF(), corners);
    const QBrush brush = painter_->brush();
    painter_->setPen(tools_.NoPen());
    painter_->setBrush(pen.brush());
    painter_->drawPolygon(corners, 4, Qt::WindingFill);
    painter_->setBrush(brush);
    painter_->setPen(pen);
    return true;
}

void CDC::WideSegmentCorners(QPoint from, QPoint to, double width, QPointF corners[4]) {
    const QPointF along = QPointF(to - from);
    const QPointF across = QPointF(-along.y(), along.x()) * (width / 2.0 / std::hypot(along.x(), along.y()));
    corners[0] = QPointF(from) + across;
    corners[1] = QPointF(to) + across;
    corners[2] = QPointF(to) - across;
    corners[3] = QPointF(from) - across;
}

BOOL CDC::Polyline(const CPoint* points, int count) {
    if (!painter_ || count < 2) {
        return FALSE;
    }
    ApplyPen();
    if (count == 2 &&
        FillWideSegment(ToDevice(points[0].x, points[0].y), ToDevice(points[1].x, points[1].y))) {
        return TRUE;
    }
    QPolygon polygon;
    for (int i = 0; i < count; ++i) {
        polygon << ToDevice(points[i].x, points[i].y);
    }
    painter_->drawPolyline(polygon);
    return TRUE;
}

BOOL CDC::Polygon(const CPoint* points, int count) {
    if (!painter_ || count < 2) {
        return FALSE;
    }
    ApplyPen();
    ApplyBrush();
    QPolygon polygon;
    for (int i = 0; i < count; ++i) {
        polygon << ToDevice(points[i].x, points[i].y);
    }
    painter_->drawPolygon(polygon, polyFillMode_ == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    return TRUE;
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) {
    if (!painter_) {
        return FALSE;
    }
    ApplyPen();
    ApplyBrush();
    // GDI rectangles exclude the right and bottom edge; Qt's outline covers x .. x + width.
    QRect r = QRect(ToDevice(x1, y1), ToDevice(x2, y2)).normalized();
    painter_->drawRect(QRect(r.left(), r.top(), r.width() - 2, r.height() - 2));
    return TRUE;
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2) {
    if (!painter_) {
        return FALSE;
    }
    ApplyPen();
    ApplyBrush();
    QRect r = QRect(ToDevice(x1, y1), ToDevice(x2, y2)).normalized();
    const QRect outline(r.left(), r.top(), r.width() - 2, r.height() - 2);
    if (!FillWideEllipse(outline)) {
        painter_->drawEllipse(outline);
    }
    return TRUE;
}

bool CDC::FillWideEllipse(const QRect& outline) {
    if (!IsPlainWidePen() || outline.width() <= 0 || outline.height() <= 0) {
        return false;
    }
    const QPen pen = painter_->pen();
    const double half = pen.widthF() / 2.0;
    const QRectF shape(outline);
    painter_->setPen(tools_.NoPen());
    if (painter_->brush().style() != Qt::NoBrush) {
        painter_->drawEllipse(shape);
    }
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addEllipse(shape.adjusted(-half, -half, half, half));
    if (shape.width() > 2 * half && shape.height() > 2 * half) {
        ring.addEllipse(shape.adjusted(half, half, -half, -half));
    }
    painter_->fillPath(ring, pen.brush());
    painter_->setPen(pen);
    return true;
}

BOOL CDC::Arc(int x1, int y1, int x2, int y2, int xStart, int yStart, int xEnd, int yEnd) {
    if (!painter_) {
        return FALSE;
    }
    ApplyPen();
    const QRect r = QRect(ToDevice(x1, y1), ToDevice(x2, y2)).normalized();
    const QPointF centre = QRectF(r).center();
    auto degreesOf = [&](int x, int y) {
        const QPoint p = ToDevice(x, y);
        return std::atan2(centre.y() - p.y(), p.x() - centre.x()) * 180.0 / M_PI;
    };
    const double start = degreesOf(xStart, yStart);
    double span = degreesOf(xEnd, yEnd) - start;
    if (span <= 0.0) {
        span += 360.0;
    }
    painter_->drawArc(QRect(r.left(), r.top(), r.width() - 2, r.height() - 2),
                      static_cast<int>(std::lround(start * 16)), static_cast<int>(std::lround(span * 16)));
    return TRUE;
}

void CDC::FillSolidRect(const CRect& rect, COLORREF color) {
    if (!painter_) {
        return;
    }
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    QRect r = QRect(ToDevice(rect.left, rect.top), ToDevice(rect.right, rect.bottom)).normalized();
    painter_->fillRect(r.adjusted(0, 0, -1, -1), platform::ToQColor(color));
    bkColor_ = color;
}

void CDC::FillRect(const CRect& rect, CBrush* brush) {
    if (brush && !brush->m_bHollow) {
        FillSolidRect(rect, brush->m_color);
    }
}

void CDC::FrameRect(const CRect& rect, CBrush* brush) {
    if (!painter_ || !brush || brush->m_bHollow) {
        return;
    }
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QRect r = QRect(ToDevice(rect.left, rect.top), ToDevice(rect.right, rect.bottom)).normalized();
    if (r.width() < 2 || r.height() < 2) {
        return;
    }
    const QColor color = platform::ToQColor(brush->m_color);
    // QRect(topLeft, bottomRight) includes its far corner, which GDI leaves out.
    const int right = r.right() - 1;
    const int bottom = r.bottom() - 1;
    painter_->fillRect(QRect(QPoint(r.left(), r.top()), QPoint(right, r.top())), color);
    painter_->fillRect(QRect(QPoint(r.left(), bottom), QPoint(right, bottom)), color);
    painter_->fillRect(QRect(QPoint(r.left(), r.top()), QPoint(r.left(), bottom)), color);
    painter_->fillRect(QRect(QPoint(right, r.top()), QPoint(right, bottom)), color);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color) {
    QPoint p = ToDevice(x, y);
    if (image_ && image_->rect().contains(p)) {
        // Write straight into the image, then go on painting.
        bool painting = painter_ && painter_->isActive();
        if (painting) {
            painter_->end();
        }
        image_->setPixel(p, platform::ToQColor(color).rgb());
        if (painting) {
            painter_->begin(image_);
            painter_->setRenderHint(QPainter::Antialiasing, false);
        }
        return color;
    }
    if (painter_) {
        painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter_->fillRect(QRect(p, QSize(1, 1)), platform::ToQColor(color));
    }
    return color;
}

COLORREF CDC::GetPixel(int x, int y) const {
    QPoint p = ToDevice(x, y);
    if (!image_ || !image_->rect().contains(p)) {
        return CLR_INVALID;
    }
    return FromQColor(image_->pixel(p));
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD rop) {
    if (!painter_ || !source || !source->image_) {
        return FALSE;
    }
    switch (rop) {
    case SRCAND:
        painter_->setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        break;
    case SRCPAINT:
        painter_->setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        break;
    case SRCINVERT:
        painter_->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
    default:
        painter_->setCompositionMode(QPainter::CompositionMode_Source);
        break;
    }
    QPoint target = ToDevice(x, y);
    QPoint from = source->ToDevice(xSource, ySource);
    QPoint far = ToDevice(x + width, y + height);
    QRect targetRect = QRect(target, far).normalized();
    painter_->drawImage(targetRect.topLeft(), *source->image_, QRect(from, targetRect.size()));
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    return TRUE;
}

int CDC::GetClipBox(CRect* rect) const {
    int width = device_ ? device_->width() : 0;
    int height = device_ ? device_->height() : 0;
    *rect = CRect(0, 0, width, height);
    DPtoLP(rect);
    if (rect->top > rect->bottom) {
        std::swap(rect->top, rect->bottom);
    }
    return 1;
}

int CDC::GetDeviceCaps(int index) const {
    const QPaintDevice* device = device_;
    switch (index) {
    case LOGPIXELSX:
        return device ? device->logicalDpiX() : 96;
    case LOGPIXELSY:
        return device ? device->logicalDpiY() : 96;
    case HORZRES:
        return device ? device->width() : 0;
    case VERTRES:
        return device ? device->height() : 0;
    case HORZSIZE:
        return device ? device->widthMM() : 0;
    case VERTSIZE:
        return device ? device->heightMM() : 0;
    default:
        return 0;
    }
}

int CDC::StartPage() {
    if (newPageDue_) {
        if (auto* paged = dynamic_cast<QPagedPaintDevice*>(device_)) {
            paged->newPage();
        }
        newPageDue_ = false;
    }
    return 1;
}

int CDC::EndPage() {
    newPageDue_ = true;
    return 1;
}
