#include "platform/ui/CToolBar.h"

#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/QtText.h"

#include <QAction>
#include <QMainWindow>
#include <QToolBar>

BOOL CToolBar::Create(CFrameWnd* frame) {
    frame_ = frame;
    bar_ = new QToolBar;
    bar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar_->setFloatable(false);
    if (auto* window = frame->MainWindow()) {
        window->addToolBar(Qt::TopToolBarArea, bar_);
    }
    frame->AddToolBar(this);
    return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* ids, int count) {
    bar_->clear();
    for (int i = 0; i < count; ++i) {
        if (ids[i] == ID_SEPARATOR) {
            bar_->addSeparator();
            continue;
        }
        QAction* action = bar_->addAction(QString());
        CMenu::SetActionId(action, ids[i]);
        action->setObjectName(QString::number(ids[i]));
        UINT id = ids[i];
        QObject::connect(action, &QAction::triggered, bar_, [this, id] {
            if (frame_) {
                frame_->RouteCommand(id);
            }
        });
    }
    return TRUE;
}

void CToolBar::SetButtonText(int index, const CString& text) {
    auto actions = bar_->actions();
    if (index >= 0 && index < actions.size()) {
        actions[index]->setText(platform::ToQString(text));
    }
}

void CToolBar::SetButtonTexts(std::initializer_list<std::pair<UINT, const char8_t*>> texts) {
    for (const auto& [id, text] : texts) {
        SetButtonText(CommandToIndex(id), CString(text));
    }
}

int CToolBar::CommandToIndex(UINT id) const {
    auto actions = bar_->actions();
    for (int i = 0; i < actions.size(); ++i) {
        if (!actions[i]->isSeparator() && CMenu::ActionId(actions[i]) == id) {
            return i;
        }
    }
    return -1;
}

void CToolBar::UpdateButtons(CCmdTarget* target) {
    if (!bar_) {
        return;
    }
    for (QAction* action : bar_->actions()) {
        // Separators and embedded controls (boxes placed in the bar) carry no command.
        if (action->isSeparator() || CMenu::ActionId(action) == 0) {
            continue;
        }
        CCmdUI ui(CMenu::ActionId(action));
        target->RouteUpdate(&ui);
        action->setEnabled(ui.m_bEnabled);
        if (ui.m_nCheck || action->isCheckable()) {
            action->setCheckable(true);
            action->setChecked(ui.m_nCheck != 0);
        }
    }
}
