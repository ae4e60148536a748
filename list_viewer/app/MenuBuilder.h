#pragma once
// The list viewer's menus and accelerator keys, built in code.

#include "platform/ui/CMenu.h"

#include <QKeyCombination>

#include <vector>

namespace wenux {

// The menu shown while no list is open.
void BuildNoDocumentMenu(CMenu& menu);
// The menu of an open list; resultList picks the label of "search again".
void BuildDocumentMenu(CMenu& menu, bool resultList);

struct Accelerator {
    QKeyCombination key;
    UINT id;
};

// The keys of the menus' commands.
const std::vector<Accelerator>& Accelerators();

} // namespace wenux
