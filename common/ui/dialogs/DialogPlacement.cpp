#include "common/ui/dialogs/DialogPlacement.h"

#include "platform/ui/CDialog.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <algorithm>

void CenterDialog(CDialog& dialog) {
    QDialog* widget = dialog.Dialog();
    if (!widget) {
        return;
    }
    widget->adjustSize();
    QRect area;
    if (QWidget* owner = widget->parentWidget()) {
        area = owner->window()->frameGeometry();
    } else if (QScreen* screen = widget->screen()) {
        area = screen->availableGeometry();
    }
    if (area.isValid()) {
        widget->move(area.center() - widget->rect().center());
    }
}

void PlaceDialogOnScreen(CDialog& dialog, int x, int y) {
    QDialog* widget = dialog.Dialog();
    if (!widget) {
        return;
    }
    // The size the dialog shows with: its layout settled and its style applied.
    widget->ensurePolished();
    if (QLayout* layout = widget->layout()) {
        layout->activate();
    }
    widget->adjustSize();
    QPoint at(x, y);
    QScreen* screen = QGuiApplication::screenAt(at);
    if (!screen) {
        screen = widget->screen();
    }
    if (screen) {
        // A dialog opened beside the screen's edge would show only part of itself.
        const QRect area = screen->availableGeometry();
        const QSize size = widget->frameGeometry().size();
        at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - size.width())));
        at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - size.height())));
    }
    widget->move(at);
}
