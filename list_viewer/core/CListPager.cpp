#include "list_viewer/core/CListPager.h"

#include <algorithm>

namespace wenux {

void CListPager::Reset(const CLineIndex* index) {
    index_ = index;
    currentPage_ = 0;
    topLine_ = 1;
    position_ = 0;
    const int pages = PageCount();
    pageStep_ = pages > 1 ? kScrollRange / pages : kScrollRange;
}

void CListPager::ShowPage(int page, int topLine) {
    currentPage_ = page;
    topLine_ = topLine;
    position_ = pageStep_ * page;
}

ScrollEffect CListPager::LineUp() {
    ScrollEffect effect;
    if (topLine_ > CurrentRecord().firstLine) {
        --topLine_;
        effect.scrollRows = 1;
        effect.positionChanged = false;
        return effect;
    }
    if (topLine_ <= 1) {
        return effect; // already on the first line: nothing moves
    }
    --topLine_;
    position_ -= pageStep_;
    currentPage_ = std::max(currentPage_ - 1, 0);
    effect.scrollRows = 1;
    effect.pageTextChanged = true;
    effect.positionChanged = true;
    return effect;
}

ScrollEffect CListPager::LineDown() {
    ScrollEffect effect;
    if (topLine_ < CurrentRecord().lastLine) {
        ++topLine_;
        effect.scrollRows = -1;
        return effect;
    }
    if (topLine_ >= index_->LineCount() || currentPage_ + 1 >= PageCount()) {
        return effect; // the last line: nothing moves
    }
    ++topLine_;
    position_ += pageStep_;
    ++currentPage_;
    effect.scrollRows = -1;
    effect.pageTextChanged = true;
    effect.positionChanged = true;
    return effect;
}

ScrollEffect CListPager::OnVScroll(ScrollCode code, int thumb) {
    if (!index_ || PageCount() < 1) {
        return {};
    }
    if (code == ScrollCode::kLineUp) {
        return LineUp();
    }
    if (code == ScrollCode::kLineDown) {
        return LineDown();
    }
    const int oldPosition = position_;
    const int oldPage = currentPage_;
    switch (code) {
    case ScrollCode::kPageUp:
        position_ -= pageStep_;
        --currentPage_;
        break;
    case ScrollCode::kPageDown:
        position_ += pageStep_;
        ++currentPage_;
        break;
    case ScrollCode::kThumbPosition:
        position_ = thumb;
        currentPage_ = thumb / pageStep_;
        break;
    case ScrollCode::kTop:
        position_ = 0;
        currentPage_ = 0;
        break;
    case ScrollCode::kBottom:
        position_ = kScrollRange;
        currentPage_ = PageCount() - 1;
        break;
    default:
        return {};
    }
    position_ = std::clamp(position_, 0, kScrollRange);
    currentPage_ = std::clamp(currentPage_, 0, PageCount() - 1);
    ScrollEffect effect;
    if (position_ != oldPosition) {
        effect.positionChanged = true;
        effect.pageTextChanged = currentPage_ != oldPage;
        topLine_ = CurrentRecord().firstLine;
        effect.repaintAll = true;
    }
    return effect;
}

bool CListPager::JumpToEnteredPage(unsigned entered) {
    if (PageCount() < 1 || entered < 1) {
        return false;
    }
    const int page = static_cast<int>(std::min<unsigned>(entered, static_cast<unsigned>(PageCount()))) - 1;
    ShowPage(page, index_->Page(page).firstLine);
    return true;
}

bool CListPager::JumpToFirst() {
    if (PageCount() < 1) {
        return false;
    }
    ShowPage(0, index_->Page(0).firstLine);
    return true;
}

bool CListPager::JumpToLast() {
    if (PageCount() < 1) {
        return false;
    }
    // A partial index holds lines after its last page; the top line stays on that page.
    const int last = PageCount() - 1;
    const int lastShown = std::min(index_->LineCount(), index_->Page(last).lastLine);
    ShowPage(last, std::max(lastShown - 3, 1));
    return true;
}

bool CListPager::JumpToNext() {
    if (currentPage_ + 1 >= PageCount()) {
        return false;
    }
    ShowPage(currentPage_ + 1, index_->Page(currentPage_ + 1).firstLine);
    return true;
}

bool CListPager::JumpToPrevious() {
    if (currentPage_ < 1 || PageCount() < 1) {
        return false;
    }
    ShowPage(currentPage_ - 1, index_->Page(currentPage_ - 1).firstLine);
    return true;
}

} // namespace wenux
