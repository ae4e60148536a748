#pragma once
// Small steps of building a menu in code from the program's UTF-8 labels (CMenu takes CP932).

#include "platform/ui/CMenu.h"

namespace platform {

void AppendMenuItem(CMenu& menu, UINT id, const char8_t* label);
void AppendMenuSeparator(CMenu& menu);
// A new pop-up menu; the menu it is appended to takes it over.
CMenu* NewPopupMenu();
void AppendPopupMenu(CMenu& bar, CMenu* popup, const char8_t* label);

} // namespace platform
