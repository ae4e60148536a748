#include "common/view/PrintScale.h"

#include <algorithm>

namespace section {

double PrintScale::DeviceRatio(int screenDpi, int deviceDpi) {
    if (screenDpi <= 0 || deviceDpi <= 0) {
        return 1.0;
    }
    return std::max(1.0, static_cast<double>(deviceDpi) / screenDpi);
}

PrintScale PrintScale::Compute(CSize client, CSize page, int screenDpi, int deviceDpi) {
    PrintScale scale;
    if (client.cx > 0 && client.cy > 0 && page.cx > 0 && page.cy > 0) {
        const double rx = static_cast<double>(page.cx) / client.cx;
        const double ry = static_cast<double>(page.cy) / client.cy;
        scale.pictureFactor = std::min(rx, ry);
    }
    scale.deviceRatio = DeviceRatio(screenDpi, deviceDpi);
    scale.screenDpi = screenDpi > 0 ? screenDpi : deviceDpi;
    scale.fontFactor = scale.deviceRatio * 0.85;
    return scale;
}

Viewport PrintScale::PagePlane(const Viewport& screen, CPoint scrollPosition) const {
    Viewport page = screen;
    double x = 0.0;
    double y = 0.0;
    screen.LogicalToWorld(scrollPosition.x, scrollPosition.y, &x, &y);
    page.StartAt(x, y);
    page.Magnify(pictureFactor);
    return page;
}

} // namespace section
