#pragma once
// Layout of a printed list page in character cells derived from the paper, so that a
// page of the file fills the sheet at any printer resolution; and the order of pages
// and sheets of a print run.

#include "list_viewer/core/CLineIndex.h"

#include <vector>

namespace wenux {

struct PrintLayout {
    int marginX = 0;
    int marginY = 0;
    int rowsPerSheet = 0;
    int cellHeight = 0; // also the height of the print font
    int cellWidth = 0;
    int leftEdge = 0;
};

// pixelsPerInch and the drawing rectangle size in device pixels; lineWidth in characters.
PrintLayout ComputePrintLayout(int pixelsPerInchX, int pixelsPerInchY, int rectWidth, int rectHeight,
                               int documentType, bool twoPagesPerSheet, int lineWidth);

// Types 2 and 4 must be printed on portrait paper.
bool RequiresPortrait(int documentType);
// Result lists and drawing run logs on portrait paper put two pages on a sheet.
bool SharesSheets(int documentType, bool portrait);

struct PrintStep {
    int page = 0; // 1-based page number
    bool startsSheet = false;
    bool lowerHalf = false;
    bool endsSheet = false;
};

// Pages from `from` to `to` (each clamped to minPage..maxPage), downwards when to < from.
std::vector<PrintStep> PlanPrintRun(int from, int to, int minPage, int maxPage, bool twoPagesPerSheet);

// True when some planned page holds more than 55 lines (the two-per-sheet warning).
bool HasPagesOverFiftyFiveLines(const CLineIndex& index, const std::vector<PrintStep>& steps);

// The header row: lineWidth blanks with "P.<page>" ending in the last column.
std::string PageHeaderRow(int page, int lineWidth);

} // namespace wenux
