#pragma once
// The line type a plot line, polyline or arrow is drawn with, as one rule for every output:
// the view's pen, paper's dashes and the DXF export. Its numbers are both the pen styles
// (solid, dash, dot, dash-dot, dash-dot-dot) and the DXF writer's line types
// (CONTINUOUS, DASHED, DOT, DASHDOT, DASHDOTDOT).

namespace zapho {

inline constexpr int kPlotSolidLine = 0;
inline constexpr int kPlotDottedLine = 2;
inline constexpr int kPlotLastLineType = 4;

// Width code 0 is the thinnest line there is and is drawn dotted whatever the item's type;
// otherwise the item's type, and a type the pens do not know is solid.
int DrawnLineType(int widthCode, int lineType);

} // namespace zapho
