#pragma once
// The analysis program's menus (without a document and with an analysis document), its
// accelerator keys and the prompts of its commands ("status text\ntool tip").

#include "platform/ui/CMenu.h"

#include <QKeyCombination>
#include <vector>

namespace torvan {

struct Accelerator {
    QKeyCombination key;
    UINT id;
};

struct CommandPrompt {
    UINT id;
    const char8_t* text;
};

void BuildMainMenu(CMenu& menu);
void BuildDocumentMenu(CMenu& menu);
const std::vector<Accelerator>& Accelerators();
const std::vector<CommandPrompt>& CommandPrompts();
// The prompt of a command (empty when it has none): the status text, or with tip the tool tip.
CString CommandPromptText(UINT id, bool tip);
// Gives the menu's items their status texts.
void SetStatusTips(const CMenu& menu);

} // namespace torvan
