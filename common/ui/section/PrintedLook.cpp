#include "common/ui/section/PrintedLook.h"

#include "common/ui/section/CViewBase.h"

#include <algorithm>
#include <cmath>

namespace section {

namespace {

int Grown(int pixels, double factor) {
    return static_cast<int>(std::lround(pixels * factor));
}

} // namespace

PrintedLook::PrintedLook(CViewBase& view, const PrintScale& scale, CPoint scrollPosition)
    : view_(view), styles_(view.PrintStyles()), savedPlane_(view.m_view), savedMarkScale_(view.m_dMarkScale),
      savedNumbers_(styles_.numbers.begin(), styles_.numbers.end()),
      savedLines_(styles_.lines.begin(), styles_.lines.end()),
      savedPoints_(styles_.points.begin(), styles_.points.end()) {
    for (const COLORREF* colour : styles_.colours) {
        savedColours_.push_back(*colour);
    }
    view.m_view = scale.PagePlane(savedPlane_, scrollPosition);
    view.SetPrinting(scale);
    Enlarge(scale);
    if (styles_.monochrome) {
        Blacken();
    }
}

PrintedLook::~PrintedLook() {
    std::copy(savedNumbers_.begin(), savedNumbers_.end(), styles_.numbers.begin());
    std::copy(savedLines_.begin(), savedLines_.end(), styles_.lines.begin());
    std::copy(savedPoints_.begin(), savedPoints_.end(), styles_.points.begin());
    for (std::size_t i = 0; i < savedColours_.size(); ++i) {
        *styles_.colours[i] = savedColours_[i];
    }
    view_.m_dMarkScale = savedMarkScale_;
    view_.m_view = savedPlane_;
    view_.SetPrinting(PrintScale());
}

void PrintedLook::Enlarge(const PrintScale& scale) {
    for (NumberStyle& number : styles_.numbers) {
        number.font.lfHeight = static_cast<LONG>(number.font.lfHeight * scale.fontFactor);
    }
    for (LineStyle& line : styles_.lines) {
        line.width = Grown(line.width, scale.deviceRatio);
    }
    for (PointStyle& point : styles_.points) {
        point.size = Grown(point.size, scale.deviceRatio);
    }
    view_.m_dMarkScale = scale.deviceRatio;
}

void PrintedLook::Blacken() {
    constexpr COLORREF kBlack = RGB(0, 0, 0);
    for (NumberStyle& number : styles_.numbers) {
        number.color = kBlack;
    }
    for (LineStyle& line : styles_.lines) {
        line.color = kBlack;
    }
    for (PointStyle& point : styles_.points) {
        point.color = kBlack;
    }
    for (COLORREF* colour : styles_.colours) {
        *colour = kBlack;
    }
}

} // namespace section
