#pragma once
// The drawing viewer's menu bars: without a document, for plot output and for a figure.

#include "platform/ui/CMenu.h"

namespace zapho {

enum class MenuKind { kNoDocument, kPlot, kFigure };

void BuildMenu(CMenu& bar, MenuKind kind);

} // namespace zapho
