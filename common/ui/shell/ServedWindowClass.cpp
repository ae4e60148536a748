#include "common/ui/shell/ServedWindowClass.h"

#include <QSocketNotifier>

namespace shell {

ServedWindowClass::ServedWindowClass(process::WindowTextProvider& provider) : server_(provider) {}

ServedWindowClass::~ServedWindowClass() {
    notifier_.reset();
    server_.Unregister();
}

bool ServedWindowClass::Register(const char* className) {
    if (!server_.Register(className)) {
        return false;
    }
    notifier_ = std::make_unique<QSocketNotifier>(server_.Fd(), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { server_.ServeOnce(0); });
    return true;
}

} // namespace shell
