#include "list_viewer/core/PrintLayout.h"

#include "list_viewer/core/PageRows.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace wenux {

bool RequiresPortrait(int documentType) {
    return documentType == kCalculationLog || documentType == kEditErrorLog;
}

bool SharesSheets(int documentType, bool portrait) {
    return portrait && (documentType == kResultList || documentType == kDrawingLog);
}

PrintLayout ComputePrintLayout(int pixelsPerInchX, int pixelsPerInchY, int rectWidth, int rectHeight,
                               int documentType, bool twoPagesPerSheet, int lineWidth) {
    PrintLayout layout;
    layout.marginX = pixelsPerInchX / 3;
    layout.marginY = pixelsPerInchY / 3;
    if (twoPagesPerSheet) {
        layout.rowsPerSheet = 115;
    } else if (RequiresPortrait(documentType)) {
        layout.rowsPerSheet = LinesPerPageOf(documentType);
    } else {
        layout.rowsPerSheet = 68;
    }
    layout.cellHeight = (rectHeight - 2 * layout.marginY) / layout.rowsPerSheet;
    layout.cellWidth =
        std::min((rectWidth - 2 * layout.marginX) / lineWidth, static_cast<int>(layout.cellHeight * 0.6));
    layout.leftEdge = (rectWidth - lineWidth * layout.cellWidth) / 2;
    return layout;
}

std::vector<PrintStep> PlanPrintRun(int from, int to, int minPage, int maxPage, bool twoPagesPerSheet) {
    from = std::clamp(from, minPage, maxPage);
    to = std::clamp(to, minPage, maxPage);
    const int step = to < from ? -1 : 1;
    std::vector<PrintStep> steps;
    bool lowerHalf = false;
    for (int page = from;; page += step) {
        PrintStep s;
        s.page = page;
        const bool last = page == to;
        if (twoPagesPerSheet) {
            s.lowerHalf = lowerHalf;
            s.startsSheet = !lowerHalf;
            s.endsSheet = lowerHalf || last;
            lowerHalf = !lowerHalf;
        } else {
            s.startsSheet = true;
            s.endsSheet = true;
        }
        steps.push_back(s);
        if (last) {
            break;
        }
    }
    return steps;
}

bool HasPagesOverFiftyFiveLines(const CLineIndex& index, const std::vector<PrintStep>& steps) {
    return std::any_of(steps.begin(), steps.end(), [&](const PrintStep& s) {
        const PageRecord& page = index.Page(s.page - 1);
        return page.lastLine - page.firstLine + 1 > 55;
    });
}

std::string PageHeaderRow(int page, int lineWidth) {
    std::string row(static_cast<std::size_t>(lineWidth), ' ');
    char label[24];
    const int length = std::snprintf(label, sizeof label, "P.%d", page);
    const int at = std::max(lineWidth - length, 0);
    row.replace(static_cast<std::size_t>(at), static_cast<std::size_t>(length), label);
    return row;
}

} // namespace wenux
