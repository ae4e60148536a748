#pragma once
// The prompts of a program's commands ("status text\ntool tip"), given to its menu items and
// tool bar buttons, and its accelerator keys, which run a command only while it is enabled.

#include "platform/ui/CMenu.h"

#include <QKeyCombination>
#include <initializer_list>
#include <vector>

class CFrameWnd;

namespace platform {

struct CommandPrompt {
    UINT id;
    const char8_t* text;
};

struct Accelerator {
    QKeyCombination key;
    UINT id;
};

// The prompt of a command (empty when it has none): the status text, or with tip the tool tip.
CString CommandPromptText(const std::vector<CommandPrompt>& prompts, UINT id, bool tip);
// Gives the menu's items their status texts.
void SetStatusTips(const CMenu& menu, const std::vector<CommandPrompt>& prompts);
// Gives every button of the bar its status text and tool tip.
void SetToolTips(QWidget* toolBar, const std::vector<CommandPrompt>& prompts);
// The keys work anywhere in the frame's window; each runs its command only when the command's
// update handlers leave it enabled, as its menu item would. The keys of beepWhenDisabled beep
// instead of doing nothing.
void InstallAccelerators(CFrameWnd& frame, const std::vector<Accelerator>& keys,
                         std::initializer_list<UINT> beepWhenDisabled = {});

} // namespace platform
