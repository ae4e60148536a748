#pragma once
// The look of a section view while it draws one printed page: for its lifetime the view's
// plane starts at the window's top-left corner and fills the page (CViewBase::BeginPrintedPage),
// pen widths and marks grow by the device ratio and fonts by the font factor, and in black-only
// printing every drawing colour is black. Everything goes back when it ends, so the window
// keeps its scale, scroll position and colours.

#include "common/ui/section/PrintedStyles.h"
#include "common/view/PrintScale.h"

#include <vector>

class CViewBase;

namespace section {

class PrintedLook {
public:
    PrintedLook(CViewBase& view, const PrintScale& scale, CPoint scrollPosition);
    ~PrintedLook();
    PrintedLook(const PrintedLook&) = delete;
    PrintedLook& operator=(const PrintedLook&) = delete;

private:
    void Enlarge(const PrintScale& scale);
    void Blacken();

    CViewBase& view_;
    PrintedStyles styles_;
    std::vector<NumberStyle> savedNumbers_;
    std::vector<LineStyle> savedLines_;
    std::vector<PointStyle> savedPoints_;
};

} // namespace section
