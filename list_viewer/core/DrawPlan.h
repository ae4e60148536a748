#pragma once
// Which rows a view draws for a clip area and where the page marks go. The view reads
// the planned rows one after another after one seek and renders them; printing uses
// the same plan without marks.
//
// Rows are numbered by view lines: line n of a page record {first, last}; the text of
// view line n is scanner line ScannerLine(n, type) (result lists skip their header).

#include "list_viewer/core/CLineIndex.h"

#include <climits>
#include <vector>

namespace wenux {

inline constexpr int kAllRows = INT_MAX;

struct PlannedRow {
    int line = 0;      // view line drawn in this row
    int pageMark = -1; // page whose mark is drawn at this row's top, -1 for none
};

struct DrawPlan {
    int markOnlyPage = -1; // the rows start past the file's end: only this page's mark
    std::vector<PlannedRow> rows;
};

// The rows of page `page` from row `firstRow`, `rowCount` of them (kAllRows: to the
// page's end). On screen the rows run on into the following pages, each page's first
// row carrying its mark (a one-line page gets none); `topLine` is the view's top line.
DrawPlan PlanDrawPage(const CLineIndex& index, int page, int firstRow, int rowCount, int topLine,
                      bool screen);

struct DrawRange {
    int y0 = 0; // y of the current page's first line in view coordinates
    int firstRow = 0;
    int rowCount = 0;
};

// The rows of the current page that a clip box (already enlarged by one pixel) needs.
DrawRange ComputeDrawRange(int clipTop, int clipBottom, int scrollY, int topLine, int pageFirstLine,
                           int textHeight);

// " ﾍﾟｰｼﾞ %d(%d)  ﾌｧｲﾙ %s", cut to 78 bytes without halving a character.
CString FormatPageText(int currentPage, int pageCount, const CString& listPath);
CString FormatPageStatus(long page);
CString FormatLineStatus(long line);
// Prefix followed by the path as it is (names are case-sensitive).
CString FormatFrameTitle(const CString& prefix, const CString& path);

} // namespace wenux
