#include "platform/ui/DialogWidget.h"

#include "platform/ui/CDialog.h"
#include "platform/ui/TitleBarRoom.h"

#include <QEvent>

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

// A dialog laid out to its controls alone showed a longer title cut. The room is made when it
// shows, after its own set-up has given it its title and any minimum of its own.
void DialogWidget::setVisible(bool visible) {
    if (visible) {
        platform::MakeRoomForTitle(*this);
    }
    QDialog::setVisible(visible);
}

void DialogWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowTitleChange && isVisible()) {
        platform::MakeRoomForTitle(*this);
    }
    QDialog::changeEvent(event);
}
