#include "platform/ui/OwnerWindow.h"

#include "platform/ui/CWinApp.h"
#include "platform/ui/CWnd.h"

#include <QApplication>
#include <QWidget>

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

} // namespace platform
