#pragma once
// The analysis program's menus (without a document and with an analysis document), its
// accelerator keys and the prompts of its commands ("status text\ntool tip").

#include "platform/ui/CMenu.h"
#include "platform/ui/CommandPrompts.h"

#include <vector>

namespace torvan {

void BuildMainMenu(CMenu& menu);
void BuildDocumentMenu(CMenu& menu);
const std::vector<platform::Accelerator>& Accelerators();
const std::vector<platform::CommandPrompt>& CommandPrompts();

} // namespace torvan
