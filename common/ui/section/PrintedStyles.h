#pragma once
// What a section view hands to printing: the display settings whose pixel sizes grow with the
// printer's resolution, the further colours it draws in, and whether the page is printed in
// black only (the window keeps its colours either way).

#include "common/ui/section/SectionStyles.h"

#include <span>
#include <vector>

namespace section {

struct PrintedStyles {
    std::span<NumberStyle> numbers;
    std::span<LineStyle> lines;
    std::span<PointStyle> points;
    std::vector<COLORREF*> colours; // blackened with the styles in black-only printing
    bool monochrome = false;
};

} // namespace section
