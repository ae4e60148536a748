#pragma once
// The display and print font dialogs of a list view: fixed-pitch fonts only; the display
// font from 4 to 15 points, the print font without a size (the paper decides it).

#include "list_viewer/core/FontSettings.h"

class CWnd;

namespace wenux {

// True when the user chose a font; font then holds it.
bool ChooseDisplayFont(CWnd* parent, ListFont& font);
bool ChoosePrintFont(CWnd* parent, ListFont& font);

} // namespace wenux
