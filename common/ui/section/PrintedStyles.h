#pragma once
// What a section view hands to printing: the display settings whose pixel sizes grow with the
// printer's resolution, and whether the page is printed in black only (the window keeps its
// colours either way; the view's own third colour goes black with them).

#include "common/ui/section/SectionStyles.h"

#include <span>

namespace section {

struct PrintedStyles {
    std::span<NumberStyle> numbers;
    std::span<LineStyle> lines;
    std::span<PointStyle> points;
    bool monochrome = false;
};

} // namespace section
