#pragma once
// One print run of a list view: which file pages go on which sheet, and how a sheet is
// laid out in character cells from the paper. The print runner asks for sheets; each
// sheet holds one file page, or two (upper and lower half) for result lists and drawing
// run logs on portrait paper.

#include "list_viewer/app/ListPageDrawer.h"
#include "list_viewer/core/FontSettings.h"
#include "list_viewer/core/PrintLayout.h"

#include "platform/core/CRect.h"

#include <vector>

class CDC;

namespace wenux {

class ListPrintJob {
public:
    ListPrintJob(CLineIndex& index, ListPageDrawer& drawer, int documentType)
        : index_(index), drawer_(drawer), documentType_(documentType) {}

    // Plans the pages from..to (clamped to 1..page count) after the print dialog. False,
    // after its message or question, when nothing is to be printed.
    bool Plan(bool portrait, int from, int to);
    int SheetCount() const { return static_cast<int>(sheets_.size()); }
    bool TwoPagesPerSheet() const { return twoPerSheet_; }
    // The file pages (1-based) of a sheet (0-based), in print order.
    std::vector<int> PagesOfSheet(int sheet) const;

    // Prints sheet `sheet` on dc inside drawRect (device units). The print font's height
    // becomes the cell height of the paper.
    void PrintSheet(CDC* dc, int sheet, const CRect& drawRect, ListFont& printFont);

private:
    void PrintPage(CDC* dc, const PrintStep& step, const CRect& drawRect, ListFont& printFont);

    CLineIndex& index_;
    ListPageDrawer& drawer_;
    int documentType_;
    bool twoPerSheet_ = false;
    std::vector<std::vector<PrintStep>> sheets_;
};

} // namespace wenux
