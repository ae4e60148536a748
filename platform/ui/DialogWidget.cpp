#include "platform/ui/DialogWidget.h"

#include "platform/ui/CDialog.h"

// Framed as a dialog: title and close button, never minimise or maximise.
DialogWidget::DialogWidget(CDialog* owner, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      owner_(owner) {}

void DialogWidget::accept() {
    if (owner_) {
        owner_->OnOK();
    } else {
        QDialog::accept();
    }
}

void DialogWidget::reject() {
    if (owner_) {
        owner_->OnCancel();
    } else {
        QDialog::reject();
    }
}
