#pragma once
// Where a list view stands: current page, top line and the vertical scroll position,
// whose range 0..30000 stands for the pages (one page step each). The view applies the
// effects that the operations return (window scroll by rows, repaint, texts).

#include "list_viewer/core/CLineIndex.h"

namespace wenux {

enum class ScrollCode { kLineUp, kLineDown, kPageUp, kPageDown, kThumbPosition, kTop, kBottom, kOther };

struct ScrollEffect {
    int scrollRows = 0; // rows to scroll the window by (+ down, - up)
    bool repaintAll = false;
    bool pageTextChanged = false;
    bool positionChanged = false;
};

class CListPager {
public:
    static constexpr int kScrollRange = 30000;

    // Starts at page 0, top line 1. `lineCount` is the index's line count.
    void Reset(const CLineIndex* index);

    int CurrentPage() const { return currentPage_; }
    int TopLine() const { return topLine_; }
    int Position() const { return position_; }
    int PageStep() const { return pageStep_; }
    int PageCount() const { return index_ ? index_->PageCount() : 0; }
    const PageRecord& CurrentRecord() const { return index_->Page(currentPage_); }

    ScrollEffect OnVScroll(ScrollCode code, int thumb = 0);

    // "Show page p with top line t".
    void ShowPage(int page, int topLine);
    // Jumps; false when nothing happened (no pages, or no next/previous page: the caller beeps).
    bool JumpToEnteredPage(unsigned entered);
    bool JumpToFirst();
    bool JumpToLast();
    bool JumpToNext();
    bool JumpToPrevious();

private:
    ScrollEffect LineUp();
    ScrollEffect LineDown();

    const CLineIndex* index_ = nullptr;
    int currentPage_ = 0;
    int topLine_ = 1;
    int position_ = 0;
    int pageStep_ = kScrollRange;
};

} // namespace wenux
