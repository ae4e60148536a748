#include "measurement_table/app/TableInputWindowClass.h"

#include "platform/ui/WindowFront.h"

#include <QApplication>

namespace quilmo {

TableInputWindowClass::TableInputWindowClass() : windowClass_(*this) {}

bool TableInputWindowClass::Register() {
    return windowClass_.Register(kTableInputWindowClass);
}

bool TableInputWindowClass::BringToFront() {
    return platform::BringWindowToFront(QApplication::activeModalWidget());
}

bool TableInputWindowClass::GetControlText(int, CString&) {
    return false;
}

bool TableInputWindowClass::SetControlText(int, const CString&) {
    return false;
}

} // namespace quilmo
