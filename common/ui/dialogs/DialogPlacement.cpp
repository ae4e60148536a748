#include "common/ui/dialogs/DialogPlacement.h"

#include "platform/ui/CDialog.h"

#include <QDialog>
#include <QScreen>

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
