#include "platform/ui/CMenu.h"

#include "platform/ui/CWnd.h"
#include "platform/ui/QtText.h"

#include <QAction>
#include <QMenu>
#include <QRegularExpression>

namespace {
const char* const kIdProperty = "verrantCommandId";
}

CMenu::CMenu() = default;

CMenu::~CMenu() {
    popups_.clear();
    delete menu_.data();
}

BOOL CMenu::CreateMenu() {
    return CreatePopupMenu();
}

BOOL CMenu::CreatePopupMenu() {
    if (!menu_) {
        menu_ = new QMenu;
    }
    return TRUE;
}

BOOL CMenu::AppendMenu(UINT flags, UINT id, const char* text) {
    CreatePopupMenu();
    if (flags & MF_SEPARATOR) {
        menu_->addSeparator();
        return TRUE;
    }
    if (id == ID_FILE_MRU_FILE1) {
        // Placeholder of the recent-file list: four entries shown when filled.
        for (UINT i = 0; i < 4; ++i) {
            QAction* action = menu_->addAction(QString());
            action->setProperty(kIdProperty, ID_FILE_MRU_FILE1 + i);
            action->setVisible(false);
        }
        return TRUE;
    }
    QAction* action = menu_->addAction(QtLabel(CString(text ? text : "")));
    action->setProperty(kIdProperty, id);
    action->setEnabled(!(flags & (MF_GRAYED | MF_DISABLED)));
    if (flags & MF_CHECKED) {
        action->setCheckable(true);
        action->setChecked(true);
    }
    return TRUE;
}

BOOL CMenu::AppendMenu(UINT, CMenu* popup, const char* text) {
    CreatePopupMenu();
    popup->CreatePopupMenu();
    popup->menu_->setTitle(QtLabel(CString(text ? text : "")));
    menu_->addMenu(popup->menu_);
    popups_.emplace_back(popup);
    return TRUE;
}

QAction* CMenu::ItemAt(UINT idOrPosition, UINT flags) const {
    if (!menu_) {
        return nullptr;
    }
    if (flags & MF_BYPOSITION) {
        auto actions = menu_->actions();
        return idOrPosition < static_cast<UINT>(actions.size())
                   ? actions[static_cast<qsizetype>(idOrPosition)]
                   : nullptr;
    }
    return FindAction(idOrPosition);
}

UINT CMenu::EnableMenuItem(UINT idOrPosition, UINT flags) {
    QAction* action = ItemAt(idOrPosition, flags);
    if (!action) {
        return static_cast<UINT>(-1);
    }
    UINT old = action->isEnabled() ? MF_ENABLED : MF_GRAYED;
    action->setEnabled(!(flags & (MF_GRAYED | MF_DISABLED)));
    return old;
}

CMenu* CMenu::GetSubMenu(int position) const {
    QAction* action = ItemAt(static_cast<UINT>(position), MF_BYPOSITION);
    if (!action || !action->menu()) {
        return nullptr;
    }
    for (const auto& popup : popups_) {
        if (popup->menu_ == action->menu()) {
            return popup.get();
        }
    }
    return nullptr;
}

BOOL CMenu::TrackPopupMenu(UINT, int x, int y, CWnd* owner) {
    if (!menu_) {
        return FALSE;
    }
    QAction* chosen = menu_->exec(QPoint(x, y));
    if (chosen && owner && ActionId(chosen)) {
        owner->RouteCommand(ActionId(chosen));
    }
    return TRUE;
}

QAction* CMenu::FindAction(UINT id) const {
    if (!menu_) {
        return nullptr;
    }
    for (QAction* action : menu_->actions()) {
        if (!action->menu() && ActionId(action) == id) {
            return action;
        }
    }
    for (const auto& popup : popups_) {
        if (QAction* action = popup->FindAction(id)) {
            return action;
        }
    }
    return nullptr;
}

UINT CMenu::ActionId(const QAction* action) {
    return action->property(kIdProperty).toUInt();
}

void CMenu::SetActionId(QAction* action, UINT id) {
    action->setProperty(kIdProperty, id);
}

QString CMenu::QtLabel(const CString& label) {
    QString text = platform::ToQString(label);
    if (text.contains(QLatin1Char('&'))) {
        return text;
    }
    // The letter opens a parenthesis before the accelerator text; a kana may follow it.
    static const QRegularExpression mnemonic(QStringLiteral("\\(([A-Za-z0-9])[^()\t]*\\)"));
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    const QString head = tab < 0 ? text : text.left(tab);
    QRegularExpressionMatchIterator matches = mnemonic.globalMatch(head);
    qsizetype letter = -1;
    while (matches.hasNext()) {
        letter = matches.next().capturedStart(1);
    }
    if (letter >= 0) {
        text.insert(letter, QLatin1Char('&'));
    }
    return text;
}
