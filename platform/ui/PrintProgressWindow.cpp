#include "platform/ui/PrintProgressWindow.h"

#include "platform/core/MessageSink.h"
#include "platform/ui/OwnerWindow.h"
#include "platform/ui/QtText.h"
#include "platform/ui/TitleBarRoom.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace platform {

const char* const PrintProgressWindow::kObjectName = "verrantPrintProgress";

PrintProgressWindow::PrintProgressWindow(QWidget* owner, const CString& documentName)
    : window_(new QDialog(owner ? owner->window() : OwnerWindow(), Qt::Dialog | Qt::CustomizeWindowHint |
                                                                       Qt::WindowTitleHint |
                                                                       Qt::WindowCloseButtonHint)) {
    window_->setObjectName(QString::fromLatin1(kObjectName));
    window_->setWindowTitle(MessageCaption().IsEmpty() ? ToQString(u8"印刷") : ToQString(MessageCaption()));
    window_->setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(window_);
    layout->addWidget(new QLabel(ToQString(u8"印刷中") + QStringLiteral("\n") + ToQString(documentName)));
    page_ = new QLabel;
    layout->addWidget(page_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(ToQString(u8"キャンセル"));
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window_, [this] { cancelled_ = true; });
    // Closing the window cancels as well.
    QObject::connect(window_, &QDialog::rejected, window_, [this] { cancelled_ = true; });
    window_->setMinimumWidth(280);
    MakeRoomForTitle(*window_);
    PlaceOverOwner(*window_, window_->parentWidget());
    window_->show();
    QApplication::processEvents();
}

PrintProgressWindow::~PrintProgressWindow() {
    delete window_.data();
}

void PrintProgressWindow::ShowPage(unsigned page) {
    if (page_) {
        page_->setText(ToQString(u8"ページ ") + QString::number(page));
    }
    QApplication::processEvents();
}

} // namespace platform
