#include "CPlotData.h"

#include "CPlotArrow.h"
#include "CPlotCenterMark.h"
#include "CPlotCircle.h"
#include "CPlotLine.h"
#include "CPlotPolyLine.h"
#include "CPlotPolygon.h"
#include "CPlotRectAngle.h"

namespace zapho {

std::unique_ptr<CPlotData> CreatePlotItem(int type) {
    switch (type) {
    case kPlotLine:
        return std::make_unique<CPlotLine>();
    case kPlotPolyLine:
        return std::make_unique<CPlotPolyLine>();
    case kPlotArrow:
        return std::make_unique<CPlotArrow>();
    case kPlotCenterMark:
        return std::make_unique<CPlotCenterMark>();
    case kPlotCircle:
        return std::make_unique<CPlotCircle>();
    case kPlotRectAngle:
        return std::make_unique<CPlotRectAngle>();
    case kPlotPolygon:
        return std::make_unique<CPlotPolygon>();
    default:
        return nullptr;
    }
}

} // namespace zapho
