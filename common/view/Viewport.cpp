#include "common/view/Viewport.h"

#include "platform/core/Unset.h"

#include <climits>

namespace section {

using platform::IsUnsetDouble;
using platform::kUnsetDouble;

WorldRange WorldRange::Unset() {
    return WorldRange{kUnsetDouble, kUnsetDouble, kUnsetDouble, kUnsetDouble};
}

bool WorldRange::IsUnset() const {
    return IsUnsetDouble(xmin);
}

Viewport::Viewport(double share)
    : topShare(share), originX(kUnsetDouble), originY(kUnsetDouble), scaleXY(kUnsetDouble),
      scaleX(kUnsetDouble), scaleY(kUnsetDouble), fitScaleXY(kUnsetDouble), fitScaleX(kUnsetDouble),
      fitScaleY(kUnsetDouble), worldWidth(kUnsetDouble), worldHeight(kUnsetDouble) {}

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
        x = originX;
    }
    if (IsUnsetDouble(y)) {
        y = originY;
    }
    const double lx = (x - originX) * scaleX - offsetX;
    const double ly = (originY - y) * scaleY - offsetY;
    if (!FitsInt(lx) || !FitsInt(ly)) {
        return CPoint(INT_MIN, INT_MIN);
    }
    return CPoint(static_cast<int>(lx), static_cast<int>(ly));
}

void Viewport::LogicalToWorld(int lx, int ly, double* x, double* y) const {
    *x = (lx + offsetX) / scaleX + originX;
    *y = originY - (ly + offsetY) / scaleY;
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
    const double sy = (clientHeight - my) / (height * exaggeration);
    const double scale = sx < sy ? sx : sy;
    scaleX = scale;
    scaleY = scale * exaggeration;
    // Always the mean of both axes, also where the x scale happens to be 1.
    scaleXY = (scaleX + scaleY) / 2;
}

CSize Viewport::FitAll(int clientWidth, int clientHeight, double width, double height,
                       const WorldRange& range, int marginDiv) {
    offsetX = 0.0;
    offsetY = 0.0;
    FitScales(clientWidth, clientHeight, width, height, marginDiv, marginDiv);
    fitScaleXY = scaleXY;
    fitScaleX = scaleX;
    fitScaleY = scaleY;
    originX = range.xmin - (clientWidth / scaleX - width) * 0.5;
    originY = range.ymax + (clientHeight / scaleY - height) * topShare;
    worldWidth = clientWidth / scaleX;
    worldHeight = clientHeight / scaleY;
    total = CSize(clientWidth, clientHeight);
    return total;
}

Viewport::ZoomResult Viewport::ZoomTo(int clientWidth, int clientHeight, double width, double height,
                                      const DPoint* centre, int margin) {
    ZoomResult result;
    if (!centre) {
        return result;
    }
    const double saved[3] = {scaleXY, scaleX, scaleY};
    FitScales(clientWidth, clientHeight, width, height, margin, margin);
    result.scrolls = width < worldWidth || height < worldHeight;
    const double areaWidth = result.scrolls ? worldWidth : width;
    const double areaHeight = result.scrolls ? worldHeight : height;
    const int totalX = TruncatedSize(areaWidth * scaleX);
    const int totalY = TruncatedSize(areaHeight * scaleY);
    const bool tooLarge = totalX > kLargestTotal || totalY > kLargestTotal;
    if (tooLarge || totalX < kSmallestTotal || totalY < kSmallestTotal) {
        result.outcome = tooLarge ? ZoomOutcome::kTooLarge : ZoomOutcome::kTooSmall;
        scaleXY = saved[0];
        scaleX = saved[1];
        scaleY = saved[2];
        return result;
    }
    result.total = CSize(totalX, totalY);
    total = result.total;
    // A scrolled view measures from the fitted area's corner: the centre is taken there, so
    // that an earlier pan does not shift the zoomed picture.
    if (result.scrolls) {
        offsetX = 0.0;
        offsetY = 0.0;
    }
    CPoint p = WorldToLogical(centre->x, centre->y);
    p.x -= clientWidth / 2 + margin;
    p.y -= clientHeight / 2 + margin;
    if (result.scrolls) {
        result.scrollTo = p;
    } else {
        offsetX += p.x;
        offsetY += p.y;
    }
    result.outcome = ZoomOutcome::kZoomed;
    return result;
}

void Viewport::StepExtent(bool enlarge, double stepX, double stepY, int logicalWidth, int logicalHeight,
                          double& width, double& height) const {
    if (!enlarge) {
        stepX = -stepX;
        stepY = -stepY;
    }
    width = logicalWidth / (scaleX + stepX);
    height = logicalHeight / (scaleY + stepY);
}

} // namespace section
