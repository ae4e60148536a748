#include "CClipRect.h"

#include "platform/core/Unset.h"

IMPLEMENT_DYNAMIC(CClipRect, CObject)

namespace {

constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kAbove = 4; // y > ymax
constexpr int kBelow = 8; // y < ymin
constexpr int kMaxSteps = 5;

} // namespace

CClipRect::CClipRect(const CRect& window)
    : xmin(window.left), xmax(window.right), ymin(window.top), ymax(window.bottom), enabled(1) {}

CClipRect::CClipRect(const double bounds[4])
    : xmin(bounds[0]), xmax(bounds[1]), ymin(bounds[2]), ymax(bounds[3]), enabled(1) {
    const double limit = platform::kExtentLimit;
    if (xmin == -limit && xmax == limit && ymin == -limit && ymax == limit) {
        enabled = 0;
    }
}

int CClipRect::OutCode(double x, double y) const {
    int code = 0;
    if (x < xmin) {
        code = kLeft;
    }
    if (x > xmax) {
        code = kRight;
    }
    if (y < ymin) {
        code += kBelow;
    }
    if (y > ymax) {
        code += kAbove;
    }
    return code;
}

int CClipRect::ClipSegment(double& x1, double& y1, double& x2, double& y2) const {
    if (!enabled) {
        return 1;
    }
    int code1 = OutCode(x1, y1);
    int code2 = OutCode(x2, y2);
    for (int step = 0;; ++step) {
        if (code1 == 0 && code2 == 0) {
            return 1;
        }
        if ((code1 & code2) != 0 || step == kMaxSteps) {
            return 0;
        }
        int code = code1 != 0 ? code1 : code2;
        double x;
        double y;
        if (x1 == x2) {
            x = x1;
            if (y1 < ymin || y1 > ymax) {
                y = y1 < ymin ? ymin : ymax;
            } else {
                y = y2 < ymin ? ymin : ymax;
            }
        } else if (code & (kLeft | kRight)) {
            x = (code & kLeft) ? xmin : xmax;
            y = (x - x1) * (y2 - y1) / (x2 - x1) + y1;
        } else {
            y = (code & kBelow) ? ymin : ymax;
            x = (x2 - x1) * (y - y1) / (y2 - y1) + x1;
        }
        if (code == code1) {
            x1 = x;
            y1 = y;
            code1 = OutCode(x1, y1);
        } else {
            x2 = x;
            y2 = y;
            code2 = OutCode(x2, y2);
        }
    }
}

int CClipRect::ClipIntSegment(CPoint& a, CPoint& b) const {
    double x1 = a.x;
    double y1 = a.y;
    double x2 = b.x;
    double y2 = b.y;
    if (!ClipSegment(x1, y1, x2, y2)) {
        return 0;
    }
    a = CPoint(static_cast<int>(x1), static_cast<int>(y1));
    b = CPoint(static_cast<int>(x2), static_cast<int>(y2));
    return 1;
}
