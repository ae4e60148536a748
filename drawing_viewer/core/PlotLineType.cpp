#include "PlotLineType.h"

namespace zapho {

int DrawnLineType(int widthCode, int lineType) {
    if (widthCode == 0) {
        return kPlotDottedLine;
    }
    return lineType >= kPlotSolidLine && lineType <= kPlotLastLineType ? lineType : kPlotSolidLine;
}

} // namespace zapho
