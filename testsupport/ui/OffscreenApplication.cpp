#include "testsupport/ui/OffscreenApplication.h"

#include <string>

namespace testsupport {

QApplication& OffscreenApplication(const char* name) {
    static std::string programName = name;
    static int argc = 1;
    static char* argv[] = {programName.data(), nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

} // namespace testsupport
