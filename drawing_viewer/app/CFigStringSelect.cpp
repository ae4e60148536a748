#include "drawing_viewer/app/CFigStringSelect.h"

#include "drawing_viewer/app/CMainView.h"
#include "drawing_viewer/core/CPlotString.h"

#include "platform/ui/CDC.h"

#include <algorithm>

namespace zapho {

BOOL CFigStringSelect::Start(const Point& point) {
    CFigure::Start(point);
    moving_.clear();
    if (point.hit < 0) {
        for (const auto& text : view_.PageTexts()) {
            if (text->m_nSelect == 1) {
                moving_.push_back(text.get());
            }
        }
    }
    return TRUE;
}

BOOL CFigStringSelect::IsNearStart(double x, double y) const {
    return start_.hit != 0 ? FALSE : CFigure::IsNearStart(x, y);
}

BOOL CFigStringSelect::Commit(int figureType) {
    const bool keepOthers = figureType == 3;
    if (start_.hit > 0) {
        SelectOne(start_.hit - 1, keepOthers);
    } else if (start_.hit == 0) {
        SelectInside(keepOthers);
    } else if (ended_) {
        MoveSelected();
    }
    return TRUE;
}

void CFigStringSelect::SelectOne(int index, bool keepOthers) {
    const auto& texts = view_.PageTexts();
    for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
        CPlotString& text = *texts[static_cast<std::size_t>(i)];
        if (i == index) {
            text.m_nSelect = 1;
        } else if (!keepOthers) {
            text.m_nSelect = 0;
        }
    }
    view_.Invalidate();
}

void CFigStringSelect::SelectInside(bool keepOthers) {
    const double left = std::min(start_.x, end_.x);
    const double right = std::max(start_.x, end_.x);
    const double bottom = std::min(start_.y, end_.y);
    const double top = std::max(start_.y, end_.y);
    auto inside = [&](int x, int y) { return x >= left && x <= right && y >= bottom && y <= top; };
    for (const auto& text : view_.PageTexts()) {
        const CRect box = text->BoundingRect(text->m_x, text->m_y);
        if (inside(box.left, box.top) && inside(box.right, box.bottom)) {
            text->m_nSelect = 1;
        } else if (!keepOthers) {
            text->m_nSelect = 0;
        }
    }
    view_.Invalidate();
}

void CFigStringSelect::MoveSelected() {
    const int dx = static_cast<int>(end_.x - start_.x);
    const int dy = static_cast<int>(end_.y - start_.y);
    if (moving_.empty() || (dx == 0 && dy == 0)) {
        return;
    }
    for (CPlotString* text : moving_) {
        text->m_x += dx;
        text->m_y += dy;
    }
    view_.StringsChanged(true);
    start_ = end_; // the next drag starts where this one ended
}

void CFigStringSelect::DrawBand(CDC& dc, CPoint point) const {
    BandPen pen(dc, xorColor_);
    if (start_.hit == 0) {
        dc.Rectangle(start_.client.x, start_.client.y, point.x, point.y);
        return;
    }
    if (start_.hit > 0) {
        return;
    }
    const int dx = point.x - start_.client.x;
    const int dy = point.y - start_.client.y;
    for (const CPlotString* text : moving_) {
        const auto corners = text->BoxCorners(text->m_x, text->m_y);
        CPoint outline[5];
        for (int i = 0; i < 4; ++i) {
            outline[i] = view_.PaperToClient(corners[static_cast<std::size_t>(i)].x,
                                             corners[static_cast<std::size_t>(i)].y);
            outline[i].x += dx;
            outline[i].y += dy;
        }
        outline[4] = outline[0];
        dc.MoveTo(outline[0]);
        for (int i = 1; i < 5; ++i) {
            dc.LineTo(outline[i]);
        }
    }
}

} // namespace zapho
