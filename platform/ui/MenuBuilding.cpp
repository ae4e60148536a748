#include "platform/ui/MenuBuilding.h"

namespace platform {

void AppendMenuItem(CMenu& menu, UINT id, const char8_t* label) {
    menu.AppendMenu(MF_STRING, id, CString(label).GetString());
}

void AppendMenuSeparator(CMenu& menu) {
    menu.AppendMenu(MF_SEPARATOR);
}

CMenu* NewPopupMenu() {
    auto* menu = new CMenu;
    menu->CreatePopupMenu();
    return menu;
}

void AppendPopupMenu(CMenu& bar, CMenu* popup, const char8_t* label) {
    bar.AppendMenu(MF_POPUP, popup, CString(label).GetString());
}

} // namespace platform
