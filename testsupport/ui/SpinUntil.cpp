#include "testsupport/ui/SpinUntil.h"

#include <QDeadlineTimer>
#include <QTest>

namespace testsupport {

bool SpinUntil(const std::function<bool()>& done, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QTest::qWait(5);
    }
    return true;
}

} // namespace testsupport
