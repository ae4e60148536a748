#include "platform/ui/DialogWidget.h"

#include "platform/ui/CDialog.h"

DialogWidget::DialogWidget(CDialog* owner, QWidget* parent) : QDialog(parent), owner_(owner) {}

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
