#pragma once
// The button images of the section model editor's tool bars (drawn in code, 16 x 15).

#include "platform/core/Types.h"

#include <QIcon>

namespace merdok {

// The image of a tool bar command; a null icon for an id without one.
QIcon ToolBarImage(UINT commandId);

} // namespace merdok
