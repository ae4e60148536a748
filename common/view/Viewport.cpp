#include "common/view/Viewport.h"

#include "platform/core/Unset.h"

#include <climits>
#include <initializer_list>

namespace section {

using platform::IsUnsetDouble;
using platform::kUnsetDouble;

WorldRange WorldRange::Unset() {
    return WorldRange{kUnsetDouble, kUnsetDouble, kUnsetDouble, kUnsetDouble};
}

bool WorldRange::IsUnset() const {
    return IsUnsetDouble(xmin);
}

Viewport::Viewport(double share, double aspect)
    : m_dAspect(aspect), m_dLpDocOrgX(kUnsetDouble), m_dLpDocOrgY(kUnsetDouble), m_dScaleXY(kUnsetDouble),
      m_dScaleX(kUnsetDouble), m_dScaleY(kUnsetDouble), m_dFitScaleXY(kUnsetDouble),
      m_dFitScaleX(kUnsetDouble), m_dFitScaleY(kUnsetDouble), m_dWorldW(kUnsetDouble),
      m_dWorldH(kUnsetDouble), topShare_(share) {}

namespace {

bool FitsInt(double value) {
    return value >= static_cast<double>(INT_MIN) && value <= static_cast<double>(INT_MAX);
}

// A scroll size as the window takes it: truncated, and held at the int limit.
int TruncatedSize(double value) {
    return value >= static_cast<double>(INT_MAX) ? INT_MAX : static_cast<int>(value);
}

} // namespace

CPoint Viewport::WorldToLogical(double x, double y) const {
    if (IsUnsetDouble(x)) {
        x = m_dLpDocOrgX;
    }
    if (IsUnsetDouble(y)) {
        y = m_dLpDocOrgY;
    }
    const double lx = (x - m_dLpDocOrgX) * m_dScaleX - m_dOffsetX;
    const double ly = (m_dLpDocOrgY - y) * m_dScaleY - m_dOffsetY;
    if (!FitsInt(lx) || !FitsInt(ly)) {
        return CPoint(INT_MIN, INT_MIN);
    }
    return CPoint(static_cast<int>(lx), static_cast<int>(ly));
}

void Viewport::LogicalToWorld(int lx, int ly, double* x, double* y) const {
    *x = (lx + m_dOffsetX) / m_dScaleX + m_dLpDocOrgX;
    *y = m_dLpDocOrgY - (ly + m_dOffsetY) / m_dScaleY;
}

bool Viewport::IsUnsetPoint(const CPoint& point) {
    return point.x == INT_MIN && point.y == INT_MIN;
}

void Viewport::FitScales(int clientWidth, int clientHeight, double width, double height, int marginDivX,
                         int marginDivY) {
    const int mx = marginDivX != 0 ? 2 * clientWidth / marginDivX : 0;
    const int my = marginDivY != 0 ? 2 * clientHeight / marginDivY : 0;
    if (width == 0.0) {
        width = 1.0;
    }
    if (height == 0.0) {
        height = 1.0;
    }
    const double sx = (clientWidth - mx) / width;
    const double sy = (clientHeight - my) / (height * m_dAspect);
    const double scale = sx < sy ? sx : sy;
    m_dScaleX = scale;
    m_dScaleY = scale * m_dAspect;
    // Always the mean of both axes, also where the x scale happens to be 1.
    m_dScaleXY = (m_dScaleX + m_dScaleY) / 2;
}

CSize Viewport::FitAll(int clientWidth, int clientHeight, double width, double height,
                       const WorldRange& range, int marginDiv) {
    m_dOffsetX = 0.0;
    m_dOffsetY = 0.0;
    FitScales(clientWidth, clientHeight, width, height, marginDiv, marginDiv);
    m_dFitScaleXY = m_dScaleXY;
    m_dFitScaleX = m_dScaleX;
    m_dFitScaleY = m_dScaleY;
    m_dLpDocOrgX = range.xmin - (clientWidth / m_dScaleX - width) * 0.5;
    m_dLpDocOrgY = range.ymax + (clientHeight / m_dScaleY - height) * topShare_;
    m_dWorldW = clientWidth / m_dScaleX;
    m_dWorldH = clientHeight / m_dScaleY;
    total_ = CSize(clientWidth, clientHeight);
    return total_;
}

Viewport::ZoomResult Viewport::ZoomTo(int clientWidth, int clientHeight, double width, double height,
                                      const DPoint* centre, int margin) {
    ZoomResult result;
    if (!centre) {
        return result;
    }
    const double saved[3] = {m_dScaleXY, m_dScaleX, m_dScaleY};
    FitScales(clientWidth, clientHeight, width, height, margin, margin);
    result.scrolls = width < m_dWorldW || height < m_dWorldH;
    const double areaWidth = result.scrolls ? m_dWorldW : width;
    const double areaHeight = result.scrolls ? m_dWorldH : height;
    const int totalX = TruncatedSize(areaWidth * m_dScaleX);
    const int totalY = TruncatedSize(areaHeight * m_dScaleY);
    const bool tooLarge = totalX > kLargestTotal || totalY > kLargestTotal;
    if (tooLarge || totalX < kSmallestTotal || totalY < kSmallestTotal) {
        result.outcome = tooLarge ? ZoomOutcome::kTooLarge : ZoomOutcome::kTooSmall;
        m_dScaleXY = saved[0];
        m_dScaleX = saved[1];
        m_dScaleY = saved[2];
        return result;
    }
    result.total = CSize(totalX, totalY);
    total_ = result.total;
    // A scrolled view measures from the fitted area's corner: the centre is taken there, so
    // that an earlier pan does not shift the zoomed picture.
    if (result.scrolls) {
        m_dOffsetX = 0.0;
        m_dOffsetY = 0.0;
    }
    CPoint p = WorldToLogical(centre->x, centre->y);
    p.x -= clientWidth / 2 + margin;
    p.y -= clientHeight / 2 + margin;
    if (result.scrolls) {
        result.scrollTo = p;
    } else {
        m_dOffsetX += p.x;
        m_dOffsetY += p.y;
    }
    result.outcome = ZoomOutcome::kZoomed;
    return result;
}

void Viewport::StartAt(double x, double y) {
    m_dLpDocOrgX = x;
    m_dLpDocOrgY = y;
    m_dOffsetX = 0.0;
    m_dOffsetY = 0.0;
}

void Viewport::Magnify(double factor) {
    for (double* scale :
         {&m_dScaleXY, &m_dScaleX, &m_dScaleY, &m_dFitScaleXY, &m_dFitScaleX, &m_dFitScaleY}) {
        if (!IsUnsetDouble(*scale)) {
            *scale *= factor;
        }
    }
}

void Viewport::StepExtent(bool enlarge, double stepX, double stepY, int logicalWidth, int logicalHeight,
                          double& width, double& height) const {
    if (!enlarge) {
        stepX = -stepX;
        stepY = -stepY;
    }
    width = logicalWidth / (m_dScaleX + stepX);
    height = logicalHeight / (m_dScaleY + stepY);
}

} // namespace section
