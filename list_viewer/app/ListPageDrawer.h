#pragma once
// Draws the rows of a list page into any device context: on screen the rows run on into
// the following pages with a grey rule and "P.n" at each page's start; on paper a page
// stops at its last row. Every character cell is advanced by the column advances, so a
// double-byte character takes two cells.

#include "list_viewer/core/CLineIndex.h"
#include "list_viewer/core/DrawPlan.h"

#include "platform/core/CString.h"

#include <array>
#include <string>

class CDC;

namespace wenux {

class ListPageDrawer {
public:
    static constexpr int kColumnCount = 132;

    ListPageDrawer(CLineIndex& index, int documentType) : index_(index), documentType_(documentType) {}

    void SetDocumentType(int documentType) { documentType_ = documentType; }
    void SetLineWidth(int lineWidth) { lineWidth_ = lineWidth; }
    int LineWidth() const { return lineWidth_; }
    void SetTextHeight(int height) { textHeight_ = height; }
    int TextHeight() const { return textHeight_; }
    // Sets every column advance (the cell width).
    void SetColumnAdvances(int advance);

    // Rows of page `page` from row `firstRow`, `rowCount` of them (kAllRows: to the page's
    // end), the first at (x, y + firstRow rows). `topLine` is the view's top line.
    void DrawPage(CDC* dc, int page, int firstRow, int rowCount, int x, int y, int topLine, bool screen);
    // One row: its cells filled with the background, then the text.
    void DrawRow(CDC* dc, int x, int y, const std::string& text);
    // The grey rule above row top y and, for an existing page, "P.n" after the row's end.
    void DrawPageMark(CDC* dc, int page, int x, int y);

private:
    CLineIndex& index_;
    int documentType_;
    int lineWidth_ = 110;
    int textHeight_ = 16;
    std::array<int, kColumnCount> advances_{};
};

} // namespace wenux
