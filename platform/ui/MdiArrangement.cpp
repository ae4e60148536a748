#include "platform/ui/MdiArrangement.h"

#include <algorithm>

namespace platform {
namespace {

constexpr int kUsableWidth = 320;
constexpr int kUsableHeight = 200;

bool Fits(QPoint at, QSize size, QSize area) {
    return at.x() + size.width() <= area.width() && at.y() + size.height() <= area.height();
}

} // namespace

QSize CascadeSize(QSize area) {
    const int width = std::max(area.width() * 3 / 4, std::min(kUsableWidth, area.width()));
    const int height = std::max(area.height() * 3 / 4, std::min(kUsableHeight, area.height()));
    return {std::max(width, 1), std::max(height, 1)};
}

std::vector<QRect> CascadeRects(QSize area, int count, int step) {
    const QSize size = CascadeSize(area);
    step = std::max(step, 1);
    std::vector<QRect> rects;
    QPoint at(0, 0);
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            at += QPoint(step, step);
            if (!Fits(at, size, area)) {
                at = QPoint(0, 0);
            }
        }
        rects.emplace_back(at, size);
    }
    return rects;
}

QPoint StaggeredPosition(QPoint wanted, const std::vector<QPoint>& taken, QSize size, QSize area, int step) {
    step = std::max(step, 1);
    auto isTaken = [&taken](QPoint at) { return std::find(taken.begin(), taken.end(), at) != taken.end(); };
    QPoint at = wanted;
    for (std::size_t tries = 0; tries <= taken.size() && isTaken(at); ++tries) {
        at += QPoint(step, step);
        if (!Fits(at, size, area)) {
            at = QPoint(0, 0);
        }
    }
    return at;
}

} // namespace platform
