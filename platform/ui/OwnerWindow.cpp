#include "platform/ui/OwnerWindow.h"

#include "platform/ui/CWinApp.h"
#include "platform/ui/CWnd.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace platform {

// Without a window manager nothing may be active: the main window is the last resort.
QWidget* OwnerWindow() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    CWnd* main = AfxGetMainWnd();
    if (main && main->GetWidget() && main->GetWidget()->isVisible()) {
        return main->GetWidget()->window();
    }
    return nullptr;
}

void PlaceOverOwner(QWidget& window, const QWidget* owner) {
    if (!owner) {
        return;
    }
    const QWidget* top = owner->window();
    window.adjustSize();
    QRect placed(QPoint(0, 0), window.size());
    placed.moveCenter(top->frameGeometry().center());
    if (const QScreen* screen = top->screen()) {
        const QRect room = screen->availableGeometry();
        placed.moveLeft(
            std::clamp(placed.left(), room.left(), std::max(room.left(), room.right() - placed.width())));
        placed.moveTop(
            std::clamp(placed.top(), room.top(), std::max(room.top(), room.bottom() - placed.height())));
    }
    window.move(placed.topLeft());
}

} // namespace platform
