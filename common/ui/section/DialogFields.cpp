#include "common/ui/section/DialogFields.h"

#include "platform/core/MessageSink.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CEdit.h"

#include <QDialog>
#include <QWidget>

namespace section {

bool EnterStepsToNextField(CDialog& dialog) {
    QDialog* window = dialog.Dialog();
    QWidget* ok = dialog.GetDlgItemWidget(IDOK);
    QWidget* focus = window ? window->focusWidget() : nullptr;
    if (!focus || focus == ok || !window->isVisible()) {
        return false;
    }
    for (QWidget* next = focus->nextInFocusChain(); next != focus; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled() && next->isVisibleTo(window)) {
            next->setFocus();
            return true;
        }
    }
    return true;
}

bool AttachEdit(CEdit& edit, int controlId, CDialog& dialog) {
    if (!edit.SubclassDlgItem(controlId, &dialog)) {
        AfxMessageBox(u8"コントロールエラー　SubclassDlgItem");
        return false;
    }
    return true;
}

} // namespace section
