#pragma once
// The button images of the analysis program's tool bars, drawn in code at the classic
// 16 x 15 size: file, zoom, display, selection, boundary point and analysis symbols.

#include "platform/core/Types.h"

#include <QIcon>

namespace torvan {

// The image of a tool bar command; a null icon for an id without one.
QIcon ToolBarImage(UINT commandId);

} // namespace torvan
