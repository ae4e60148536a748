#pragma once
// What a plotted sheet takes from the analysis program's settings file, read without the
// window side: the "Plot Parameter" section and, of the display sections, the switches,
// colours, widths and mark sizes of the drawn items and the displacement-vector mode
// ("Disp Vector" / "LineType"). A key that is missing or cannot be read keeps the default
// the analysis view starts with.

#include "analysis/core/PlotSettings.h"
#include "platform/core/CString.h"

namespace torvan {

// The sheet as the analysis view draws it with no settings file.
PlotStyle DefaultPlotStyle();

// Reads the sheet's parameters and style from the settings file at path; sheet and style
// start from their defaults. A missing file gives the defaults.
void ReadPlotProfile(const CString& path, SheetParameters& sheet, PlotStyle& style);

} // namespace torvan
