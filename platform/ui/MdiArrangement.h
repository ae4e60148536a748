#pragma once
// Where MDI child windows go: cascading and the place of a new window. Pure geometry in
// client-area coordinates, so that the rules are the same for every program.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace platform {

// The common size of cascaded windows: three quarters of the client area, never smaller than
// a usable window (as far as the area allows).
QSize CascadeSize(QSize area);

// count windows cascaded down the diagonal by step pixels, starting again at the top left
// when the next one would reach past the area.
std::vector<QRect> CascadeRects(QSize area, int count, int step);

// wanted, moved down the diagonal by step while a window already has its top-left corner
// there, so that a new window never hides the previous one exactly; wraps to the top left
// when a window of size would reach past the area.
QPoint StaggeredPosition(QPoint wanted, const std::vector<QPoint>& taken, QSize size, QSize area, int step);

} // namespace platform
