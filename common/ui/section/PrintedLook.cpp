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
    : view_(view), styles_(view.PrintStyles()), savedNumbers_(styles_.numbers.begin(), styles_.numbers.end()),
      savedLines_(styles_.lines.begin(), styles_.lines.end()),
      savedPoints_(styles_.points.begin(), styles_.points.end()) {
    view.BeginPrintedPage(scale, scrollPosition, styles_.monochrome);
    Enlarge(scale);
    if (styles_.monochrome) {
        Blacken();
    }
}

PrintedLook::~PrintedLook() {
    std::copy(savedNumbers_.begin(), savedNumbers_.end(), styles_.numbers.begin());
    std::copy(savedLines_.begin(), savedLines_.end(), styles_.lines.begin());
    std::copy(savedPoints_.begin(), savedPoints_.end(), styles_.points.begin());
    view_.EndPrintedPage();
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
}

} // namespace section
