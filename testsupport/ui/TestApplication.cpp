#include "testsupport/ui/TestApplication.h"

#include "testsupport/TempDir.h"

#include <QApplication>
#include <cstdlib>

namespace testsupport {

QApplication& TestApplication() {
    static const TempDir settings("verrant-settings");
    static const int settingsSet = ::setenv("XDG_CONFIG_HOME", settings.Path().c_str(), 1);
    (void)settingsSet;
    static int argc = 1;
    static char name[] = "verrant_tests";
    static char* argv[] = {name, nullptr};
    static auto* app = new QApplication(argc, argv);
    return *app;
}

} // namespace testsupport
