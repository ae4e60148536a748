#include "list_viewer/core/ViewGeometry.h"

#include "list_viewer/core/PageRows.h"

#include <algorithm>

namespace wenux {

namespace {

// Columns beside a row for the page mark: "P.9999" and the view's left margin.
constexpr int kPageMarkColumns = 7;

} // namespace

ChildWindowSize ComputeChildWindowSize(int documentType, int lineWidth, int textWidth, int textHeight,
                                       int clientWidth, int clientHeight, int scrollBarWidth, int frameWidth,
                                       bool startedWithFile, int mainFrameWidth) {
    ChildWindowSize size;
    if (documentType != kResultList) {
        size.width = (lineWidth + kPageMarkColumns) * textWidth + scrollBarWidth + 2 * frameWidth;
        size.height = textHeight * 20;
        return size;
    }
    size.width = (lineWidth + kPageMarkColumns) * textWidth + scrollBarWidth + 2 * frameWidth;
    size.height = clientHeight - 25;
    if (clientWidth - 25 < size.width) {
        if (startedWithFile) {
            size.widenMainFrame = true;
            size.mainFrameWidth = size.width + 2 * frameWidth + 26;
        } else {
            size.width = clientWidth - 25;
        }
    }
    if (!size.widenMainFrame) {
        size.mainFrameWidth = mainFrameWidth;
    }
    return size;
}

ScrollSizes ComputeScrollSizes(int textWidth, int pageCount) {
    ScrollSizes sizes;
    sizes.totalWidth = textWidth * 140;
    sizes.totalHeight = 30000;
    sizes.pageWidth = sizes.totalWidth / 10;
    sizes.pageHeight = pageCount > 1 ? 30000 / pageCount : 30000;
    sizes.lineWidth = sizes.totalWidth / 100;
    sizes.lineHeight = 1;
    return sizes;
}

ScreenRect CenterOnScreen(const ScreenRect& rect, int screenWidth, int screenHeight) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    int left = std::max(0, std::min((screenWidth - width) / 2, screenWidth - width));
    int top = std::max(0, std::min((screenHeight - height) / 2, screenHeight - height));
    return {left, top, left + width, top + height};
}

} // namespace wenux
