#include "platform/ui/WindowFront.h"

#include <QWidget>

namespace platform {

bool BringWindowToFront(QWidget* window) {
    if (!window) {
        return false;
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

} // namespace platform
