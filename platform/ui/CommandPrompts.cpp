#include "platform/ui/CommandPrompts.h"

#include "platform/core/MessageSink.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/QtText.h"

#include <QAction>
#include <QMainWindow>
#include <QWidget>
#include <algorithm>

namespace platform {

CString CommandPromptText(const std::vector<CommandPrompt>& prompts, UINT id, bool tip) {
    for (const CommandPrompt& prompt : prompts) {
        if (prompt.id != id) {
            continue;
        }
        const CString text(prompt.text);
        const int newline = text.Find('\n');
        if (newline < 0) {
            return tip ? CString() : text;
        }
        return tip ? text.Mid(newline + 1) : text.Left(newline);
    }
    return CString();
}

void SetStatusTips(const CMenu& menu, const std::vector<CommandPrompt>& prompts) {
    for (const CommandPrompt& prompt : prompts) {
        if (QAction* action = menu.FindAction(prompt.id)) {
            action->setStatusTip(ToQString(CommandPromptText(prompts, prompt.id, false)));
        }
    }
}

void SetToolTips(QWidget* toolBar, const std::vector<CommandPrompt>& prompts) {
    if (!toolBar) {
        return;
    }
    for (QAction* action : toolBar->actions()) {
        const UINT id = CMenu::ActionId(action);
        if (action->isSeparator() || id == 0) {
            continue;
        }
        action->setStatusTip(ToQString(CommandPromptText(prompts, id, false)));
        action->setToolTip(ToQString(CommandPromptText(prompts, id, true)));
    }
}

void InstallAccelerators(CFrameWnd& frame, const std::vector<Accelerator>& keys,
                         std::initializer_list<UINT> beepWhenDisabled) {
    QMainWindow* window = frame.MainWindow();
    if (!window) {
        return;
    }
    for (const Accelerator& accelerator : keys) {
        auto* action = new QAction(window);
        action->setShortcut(QKeySequence(accelerator.key));
        action->setShortcutContext(Qt::WindowShortcut);
        const UINT id = accelerator.id;
        const bool beeps =
            std::find(beepWhenDisabled.begin(), beepWhenDisabled.end(), id) != beepWhenDisabled.end();
        QObject::connect(action, &QAction::triggered, window, [&frame, id, beeps] {
            CCmdUI ui(id);
            frame.RouteUpdate(&ui);
            if (ui.m_bEnabled) {
                frame.RouteCommand(id);
            } else if (beeps) {
                MessageBeep(0);
            }
        });
        window->addAction(action);
    }
}

} // namespace platform
