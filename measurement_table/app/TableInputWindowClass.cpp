#include "measurement_table/app/TableInputWindowClass.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

namespace quilmo {

TableInputWindowClass::TableInputWindowClass() : server_(*this) {}

TableInputWindowClass::~TableInputWindowClass() {
    notifier_.reset();
    server_.Unregister();
}

bool TableInputWindowClass::Register() {
    if (!server_.Register(kTableInputWindowClass)) {
        return false;
    }
    notifier_ = std::make_unique<QSocketNotifier>(server_.Fd(), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { server_.ServeOnce(0); });
    return true;
}

bool TableInputWindowClass::BringToFront() {
    QWidget* window = QApplication::activeModalWidget();
    if (!window) {
        return false;
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

bool TableInputWindowClass::GetControlText(int, CString&) {
    return false;
}

bool TableInputWindowClass::SetControlText(int, const CString&) {
    return false;
}

} // namespace quilmo
