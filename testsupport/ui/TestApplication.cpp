#include "testsupport/ui/TestApplication.h"

#include <QApplication>

namespace testsupport {

QApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "verrant_tests";
    static char* argv[] = {name, nullptr};
    static auto* app = new QApplication(argc, argv);
    return *app;
}

} // namespace testsupport
