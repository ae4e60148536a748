#include "common/ui/section/CFigure.h"

#include "platform/ui/CDC.h"
#include "platform/ui/CPen.h"

#include <cstdlib>

#include <algorithm>
#include <cstdlib>

std::vector<DPoint> section::WorldPoints(const std::vector<FigureVertex>& run) {
    std::vector<DPoint> points;
    points.reserve(run.size());
    for (const FigureVertex& vertex : run) {
        points.push_back(vertex.world);
    }
    return points;
}

IMPLEMENT_DYNAMIC(CFigure, CObject)

CFigure::CFigure() = default;
CFigure::~CFigure() = default;

void CFigure::Setup(COLORREF colour, int lineSize, int markSizeX, int markSizeY, CViewBase* view) {
    penColour_ = colour ^ 0xFFFFFF;
    marginX_ = std::max(lineSize, markSizeX) + 1;
    marginY_ = std::max(lineSize, markSizeY) + 1;
    view_ = view;
}

BOOL CFigure::SetStart(const section::FigureVertex& vertex) {
    start_ = vertex;
    hasStart_ = true;
    return TRUE;
}

BOOL CFigure::SetEnd(const section::FigureVertex& vertex) {
    end_ = vertex;
    hasEnd_ = true;
    return TRUE;
}

BOOL CFigure::TakeFirstPoint(section::FigureVertex&) {
    return FALSE;
}

BOOL CFigure::UndoLastPoint(CPoint&) {
    return TRUE;
}

void CFigure::Draw(CDC* dc, const CPoint* previous, const CPoint* next) const {
    if (!hasStart_ || (!previous && !next)) {
        return;
    }
    CPen pen(PS_SOLID, 1, penColour_);
    CPen* oldPen = dc->SelectObject(&pen);
    CGdiObject* oldBrush = dc->SelectStockObject(NULL_BRUSH);
    const int oldRop = dc->SetROP2(R2_XORPEN);
    if (previous) {
        DrawShape(dc, *previous);
    }
    if (next) {
        DrawShape(dc, *next);
    }
    dc->SetROP2(oldRop);
    dc->SelectObject(static_cast<CBrush*>(oldBrush));
    dc->SelectObject(oldPen);
}

void CFigure::DrawWhole(CDC* dc, const CPoint* last) const {
    Draw(dc, last, nullptr);
}

BOOL CFigure::Commit(int) {
    return FALSE;
}

BOOL CFigure::HitTest(const CPoint& point) const {
    return std::abs(point.x - start_.logical.x) <= kHitPixels &&
                   std::abs(point.y - start_.logical.y) <= kHitPixels
               ? TRUE
               : FALSE;
}

int CFigure::ApplyRule(CPoint&, int) const {
    return kNoRule;
}

BOOL CFigure::DrawModelPolygon(CDC*, COLORREF, int) {
    return FALSE;
}

BOOL CFigure::Finish(int, BOOL) {
    return TRUE;
}

void CFigure::OrderedWorldRect(double rect[4]) const {
    rect[0] = std::min(start_.world.x, end_.world.x);
    rect[1] = std::min(start_.world.y, end_.world.y);
    rect[2] = std::max(start_.world.x, end_.world.x);
    rect[3] = std::max(start_.world.y, end_.world.y);
}

void CFigure::DrawShape(CDC* dc, const CPoint& at) const {
    const CPoint s = start_.logical;
    const CPoint corners[5] = {s, CPoint(s.x, at.y), at, CPoint(at.x, s.y), s};
    dc->Polyline(corners, 5);
}

void CFigure::BoundStartAndEnd() {
    m_rectBounding =
        CRect(std::min(start_.logical.x, end_.logical.x), std::min(start_.logical.y, end_.logical.y),
              std::max(start_.logical.x, end_.logical.x), std::max(start_.logical.y, end_.logical.y));
    m_rectBounding.InflateRect(marginX_, marginY_);
}

int ApplyLineRule(const CPoint& start, CPoint& point, int previousRule) {
    if (point.x == start.x || point.y == start.y) {
        return previousRule;
    }
    // 64-bit: logical positions far outside the window must not overflow the comparison.
    const long long dx = std::llabs(static_cast<long long>(start.x) - point.x);
    const long long dy = std::llabs(static_cast<long long>(start.y) - point.y);
    if (dy >= dx) {
        point.x = start.x;
        return CFigure::kVertical;
    }
    point.y = start.y;
    return CFigure::kHorizontal;
}
