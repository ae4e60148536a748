#include "drawing_viewer/app/CFigure.h"

#include "platform/ui/CDC.h"

#include <cstdlib>

namespace zapho {

namespace {

constexpr double kNearStart = 5.0;

} // namespace

CFigure::BandPen::BandPen(CDC& dc, COLORREF xorColor)
    : dc_(dc), pen_(PS_SOLID, 0, xorColor), oldPen_(dc.SelectObject(&pen_)),
      oldBrush_(static_cast<CBrush*>(dc.SelectStockObject(NULL_BRUSH))), oldRop_(dc.SetROP2(R2_XORPEN)) {}

CFigure::BandPen::~BandPen() {
    dc_.SetROP2(oldRop_);
    dc_.SelectObject(oldBrush_);
    dc_.SelectObject(oldPen_);
}

CFigure::CFigure(CMainView& view, COLORREF color) : view_(view), xorColor_(color ^ 0xFFFFFF) {}

BOOL CFigure::Start(const Point& point) {
    start_ = point;
    return TRUE;
}

BOOL CFigure::Next(const Point& point) {
    end_ = point;
    ended_ = true;
    return TRUE;
}

void CFigure::Track(CDC& dc, CPoint point) {
    EraseBand(dc);
    DrawBand(dc, point);
    bandShown_ = true;
    bandAt_ = point;
}

BOOL CFigure::Commit(int /*figureType*/) {
    return TRUE;
}

BOOL CFigure::IsNearStart(double x, double y) const {
    return x >= start_.x - kNearStart && x < start_.x + kNearStart && y >= start_.y - kNearStart &&
           y < start_.y + kNearStart;
}

BOOL CFigure::Draw(CDC& /*dc*/, int /*figureType*/) {
    return FALSE;
}

BOOL CFigure::Finish(int /*figureType*/, bool /*confirmed*/) {
    return TRUE;
}

void CFigure::Constrain(CPoint& client) const {
    const int dx = client.x - start_.client.x;
    const int dy = client.y - start_.client.y;
    if (dx == 0 || dy == 0) {
        return;
    }
    if (std::abs(dy) >= std::abs(dx)) {
        client.x = start_.client.x;
    } else {
        client.y = start_.client.y;
    }
}

void CFigure::RedrawBand(CDC& dc) const {
    if (bandShown_) {
        DrawBand(dc, bandAt_);
    }
}

void CFigure::EraseBand(CDC& dc) {
    if (bandShown_) {
        DrawBand(dc, bandAt_);
        bandShown_ = false;
    }
}

void CFigure::DrawBand(CDC& dc, CPoint point) const {
    BandPen pen(dc, xorColor_);
    dc.Rectangle(start_.client.x, start_.client.y, point.x, point.y);
}

void CFigure::CrossedRectangle(CDC& dc, CPoint a, CPoint b) {
    dc.MoveTo(a.x, a.y);
    dc.LineTo(b.x, a.y);
    dc.LineTo(b.x, b.y);
    dc.LineTo(a.x, b.y);
    dc.LineTo(a.x, a.y);
    dc.LineTo(b.x, b.y);
    dc.MoveTo(b.x, a.y);
    dc.LineTo(a.x, b.y);
}

} // namespace zapho
