#include "Extent.h"

#include <algorithm>

int ExpandExtent(CRect& rect, int x, int y, bool start) {
    if (start) {
        rect.SetRect(x, y, x, y);
        return 0;
    }
    rect.left = std::min(rect.left, x);
    rect.right = std::max(rect.right, x);
    rect.top = std::min(rect.top, y);
    rect.bottom = std::max(rect.bottom, y);
    return 0;
}
