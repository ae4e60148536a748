#pragma once
// The list viewer's menus and accelerator keys, built in code.

#include "platform/ui/CMenu.h"
#include "platform/ui/CommandPrompts.h"

#include <vector>

namespace wenux {

// The menu shown while no list is open.
void BuildNoDocumentMenu(CMenu& menu);
// The menu of an open list; resultList picks the label of "search again".
void BuildDocumentMenu(CMenu& menu, bool resultList);

// The keys of the menus' commands.
const std::vector<platform::Accelerator>& Accelerators();

struct StatusTip {
    UINT id;
    const char8_t* text;
};

// The texts the status bar shows while a command's menu item or button is pointed at.
const std::vector<StatusTip>& StatusTips();
// Gives every action of the menu (and its pop-ups) that has a status text its text.
void SetStatusTips(const CMenu& menu);

} // namespace wenux
