#include "CBlock.h"

#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"

#include <algorithm>
#include <cmath>

namespace torvan {

IMPLEMENT_DYNCREATE(CBlock, CObject)

CBlock::CBlock()
    : number(platform::kUnsetInt), number2(platform::kUnsetInt), x{0, 0, 0, 0}, y{0, 0, 0, 0}, vertexCount(0),
      disp(nullptr) {}

int CBlock::CheckInsidePolygon(double px, double py) const {
    if (vertexCount <= 0) {
        return 0;
    }
    double sum = 0.0;
    int previous = vertexCount - 1;
    for (int i = 0; i < vertexCount; ++i) {
        if (x[i] == x[previous] && y[i] == y[previous]) {
            continue;
        }
        if ((x[previous] == px && y[previous] == py) || (x[i] == px && y[i] == py)) {
            return 0;
        }
        double ax = x[previous] - px;
        double ay = y[previous] - py;
        double bx = x[i] - px;
        double by = y[i] - py;
        double d = (ax * ax + ay * ay) * (bx * bx + by * by);
        if (d == 0.0 || std::isnan(d)) {
            AfxMessageBox(u8"CheckInsidePolygon Floating Divide Error!!");
            return 0;
        }
        double cosine = std::clamp((ax * bx + ay * by) / std::sqrt(d), -1.0, 1.0);
        double angle = std::acos(cosine);
        if (ax * by - ay * bx < 0.0) {
            angle = -angle;
        }
        sum += angle;
        previous = i;
    }
    return std::fabs(sum) >= 3.0 ? 1 : 0;
}

} // namespace torvan
