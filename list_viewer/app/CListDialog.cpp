#include "list_viewer/app/CListDialog.h"

#include "platform/ui/DialogScript.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

namespace wenux {

int CListDialog::DoModal() {
    EnsureCreated();
    OnInitDialog();
    // Centred over the program's window.
    if (QDialog* dialog = Dialog()) {
        dialog->adjustSize();
        if (QWidget* owner = dialog->parentWidget()) {
            dialog->move(owner->geometry().center() - dialog->rect().center());
        }
    }
    return platform::DialogScript::Exec(*this);
}

} // namespace wenux
