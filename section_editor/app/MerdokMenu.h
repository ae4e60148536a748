#pragma once
// The section model editor's menus (without a document and with one), its accelerator keys,
// the prompts of its commands ("status text\ntool tip") and its guide strings.

#include "platform/ui/CMenu.h"

#include <QKeyCombination>
#include <vector>

namespace merdok {

struct Accelerator {
    QKeyCombination key;
    UINT id;
};

void BuildMainMenu(CMenu& menu);
void BuildDocumentMenu(CMenu& menu);
const std::vector<Accelerator>& Accelerators();
// The prompt of a command (empty when it has none): the status text, or with tip the tool tip.
CString CommandPromptText(UINT id, bool tip);
void SetStatusTips(const CMenu& menu);
void RegisterMerdokGuideStrings();

} // namespace merdok
