#pragma once
// The menu bars, accelerator keys and command prompts the section editor and the analysis
// program share: the same pop-ups in the same order (the program gives its file, edit, draw
// and view menus), the same keys, and the prompts of the commands both have.

#include "platform/ui/CMenu.h"
#include "platform/ui/CommandPrompts.h"
#include "platform/ui/MenuTable.h"

#include <span>
#include <vector>

namespace shell {

// The variants of the program's menu tables: the menu without a document and the one shown
// while a document is open.
inline constexpr unsigned kWithoutDocument = 1U << 0;
inline constexpr unsigned kWithDocument = 1U << 1;

// The program's own pop-ups.
struct SectionMenuParts {
    std::span<const platform::MenuEntry> file;
    std::span<const platform::MenuEntry> edit;
    std::span<const platform::MenuEntry> draw;
    std::span<const platform::MenuEntry> view;
};

// Without a document: file, view, help.
void BuildSectionMainMenu(CMenu& menu, const SectionMenuParts& parts);
// With a document: file, edit, draw, view, window, help.
void BuildSectionDocumentMenu(CMenu& menu, const SectionMenuParts& parts);
const std::vector<platform::Accelerator>& SectionAccelerators();
// The program's own prompts followed by the ones both programs show.
std::vector<platform::CommandPrompt> WithSharedPrompts(std::vector<platform::CommandPrompt> own);

} // namespace shell
