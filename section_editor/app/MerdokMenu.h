#pragma once
// The section model editor's menus (without a document and with one), its accelerator keys,
// the prompts of its commands ("status text\ntool tip") and its guide strings.

#include "platform/ui/CMenu.h"
#include "platform/ui/CommandPrompts.h"

#include <vector>

namespace merdok {

void BuildMainMenu(CMenu& menu);
void BuildDocumentMenu(CMenu& menu);
const std::vector<platform::Accelerator>& Accelerators();
const std::vector<platform::CommandPrompt>& CommandPrompts();
void RegisterMerdokGuideStrings();

} // namespace merdok
