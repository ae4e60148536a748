#include "drawing_viewer/app/DialogEnter.h"

#include "platform/ui/CDialog.h"

#include <QDialog>
#include <QWidget>

namespace zapho {

bool EnterMovesFocus(CDialog& dialog) {
    QDialog* widget = dialog.Dialog();
    QWidget* ok = dialog.GetDlgItemWidget(IDOK);
    QWidget* focus = widget ? widget->focusWidget() : nullptr;
    if (!focus || focus == ok || !widget->isVisible()) {
        return false;
    }
    for (QWidget* next = focus->nextInFocusChain(); next != focus; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled() && next->isVisibleTo(widget) &&
            widget->isAncestorOf(next)) {
            next->setFocus();
            return true;
        }
    }
    return false;
}

} // namespace zapho
