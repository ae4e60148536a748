#pragma once
// The menu bars, accelerator keys and command prompts the section editor and the analysis
// program share: the same pop-ups in the same order (the program gives its file, edit, draw
// and view menus), the same keys, and the prompts of the commands both have.

#include "platform/ui/CMenu.h"
#include "platform/ui/CommandPrompts.h"

#include <vector>

namespace shell {

// The program's own pop-ups; withDocument: the menu shown while a document is open.
struct SectionMenuParts {
    CMenu* (*file)(bool withDocument);
    CMenu* (*edit)();
    CMenu* (*draw)();
    CMenu* (*view)(bool withDocument);
};

// Without a document: file, view, help.
void BuildSectionMainMenu(CMenu& menu, const SectionMenuParts& parts);
// With a document: file, edit, draw, view, window, help.
void BuildSectionDocumentMenu(CMenu& menu, const SectionMenuParts& parts);
const std::vector<platform::Accelerator>& SectionAccelerators();
// The program's own prompts followed by the ones both programs show.
std::vector<platform::CommandPrompt> WithSharedPrompts(std::vector<platform::CommandPrompt> own);

} // namespace shell
