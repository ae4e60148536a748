#pragma once
// One QApplication for all tests of the common dialogs (offscreen platform).

#include <QApplication>

inline QApplication& TestApp() {
    static int argc = 1;
    static char name[] = "common_ui_dialogs_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}
