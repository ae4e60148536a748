#include "DashedPath.h"

#include <algorithm>
#include <cmath>

namespace zapho {

std::vector<double> DashPattern(int lineType, bool widePen) {
    const double unit = 5.0;
    const double g = widePen ? 1.5 : 1.0;
    switch (lineType) {
    case 1:
        return {unit * 3.0, unit * 1.5 * g};
    case 2:
        return {unit * 0.8, unit * g};
    case 3:
        return {unit * 5.0, unit * g, unit * 0.8, unit * g};
    case 4:
        return {unit * 5.0, unit * g, unit * 0.8, unit * g, unit * 0.8, unit * g};
    default:
        return {};
    }
}

std::vector<DashedPath::Piece> DashedPath::Pieces(const std::vector<CPoint>& points,
                                                  const std::vector<double>& pattern) {
    std::vector<Piece> pieces;
    if (pattern.empty()) {
        return pieces;
    }
    std::size_t step = 0;
    double left = pattern[0]; // what remains of the current dash or gap
    for (std::size_t i = 1; i < points.size(); ++i) {
        const double x0 = points[i - 1].x;
        const double y0 = points[i - 1].y;
        const double dx = points[i].x - x0;
        const double dy = points[i].y - y0;
        const double length = std::hypot(dx, dy);
        double at = 0.0;
        int drawn = 0;
        while (at < length && drawn < kMaxPiecesPerSegment) {
            const double next = std::min(length, at + left);
            if (step % 2 == 0) {
                auto point = [&](double t) {
                    return CPoint(static_cast<int>(std::lround(x0 + dx * t / length)),
                                  static_cast<int>(std::lround(y0 + dy * t / length)));
                };
                pieces.push_back({point(at), point(next)});
                ++drawn;
            }
            left -= next - at;
            // A remainder too small to move along the segment counts as spent: it would
            // otherwise never run out.
            const bool stalled = next <= at;
            at = next;
            if (left <= 0.0 || stalled) {
                step = (step + 1) % pattern.size();
                left = pattern[step];
            }
        }
    }
    return pieces;
}

} // namespace zapho
