#include "common/ui/section/CFigPolyline.h"

#include "common/ui/section/CViewBase.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CPen.h"

#include <algorithm>
#include <cstdlib>

BOOL CFigPolyline::SetStart(const section::FigureVertex& vertex) {
    CFigure::SetStart(vertex);
    vertices_.push_back(vertex);
    return TRUE;
}

BOOL CFigPolyline::SetEnd(const section::FigureVertex& vertex) {
    const CPoint last = vertices_.empty() ? start_.logical : vertices_.back().logical;
    if (std::abs(vertex.logical.x - last.x) < 3 && std::abs(vertex.logical.y - last.y) < 3) {
        return TRUE;
    }
    end_ = vertex;
    hasEnd_ = true;
    vertices_.push_back(vertex);
    start_ = vertex;
    return FALSE;
}

BOOL CFigPolyline::TakeFirstPoint(section::FigureVertex& first) {
    if (vertices_.size() < 2) {
        return FALSE;
    }
    first = vertices_.front();
    return TRUE;
}

BOOL CFigPolyline::UndoLastPoint(CPoint& removed) {
    if (vertices_.empty()) {
        return TRUE;
    }
    removed = vertices_.back().logical;
    vertices_.pop_back();
    if (vertices_.empty()) {
        return TRUE;
    }
    start_ = vertices_.back();
    return FALSE;
}

void CFigPolyline::DrawWhole(CDC* dc, const CPoint* last) const {
    if (vertices_.size() >= 2) {
        CPen pen(PS_SOLID, 1, penColour_);
        CPen* oldPen = dc->SelectObject(&pen);
        const int oldRop = dc->SetROP2(R2_XORPEN);
        for (std::size_t i = 1; i < vertices_.size(); ++i) {
            dc->MoveTo(vertices_[i - 1].logical);
            dc->LineTo(vertices_[i].logical);
        }
        dc->SetROP2(oldRop);
        dc->SelectObject(oldPen);
    }
    Draw(dc, last, nullptr);
}

BOOL CFigPolyline::Commit(int mode) {
    if (vertices_.size() < 2) {
        return FALSE;
    }
    if (mode != 0) {
        return TRUE;
    }
    const CPoint first = vertices_.front().logical;
    m_rectBounding = CRect(first.x, first.y, first.x, first.y);
    for (const section::FigureVertex& vertex : vertices_) {
        m_rectBounding.left = std::min(m_rectBounding.left, vertex.logical.x);
        m_rectBounding.top = std::min(m_rectBounding.top, vertex.logical.y);
        m_rectBounding.right = std::max(m_rectBounding.right, vertex.logical.x);
        m_rectBounding.bottom = std::max(m_rectBounding.bottom, vertex.logical.y);
    }
    m_rectBounding.InflateRect(marginX_, marginY_);
    if (View()->CommitPointRun(vertices_) != 0) {
        m_rectBounding.SetRectEmpty();
    }
    return TRUE;
}

int CFigPolyline::ApplyRule(CPoint& point, int previousRule) const {
    return ApplyLineRule(start_.logical, point, previousRule);
}

BOOL CFigPolyline::DrawModelPolygon(CDC* dc, COLORREF colour, int flag) {
    if (flag != 1) {
        return FALSE;
    }
    std::vector<double> xs;
    std::vector<double> ys;
    for (const section::FigureVertex& vertex : vertices_) {
        xs.push_back(vertex.world.x);
        ys.push_back(vertex.world.y);
    }
    View()->DrawPolylineWorld(dc, xs.data(), ys.data(), static_cast<int>(xs.size()), colour);
    return TRUE;
}

void CFigPolyline::DrawShape(CDC* dc, const CPoint& at) const {
    dc->MoveTo(start_.logical);
    dc->LineTo(at);
}
