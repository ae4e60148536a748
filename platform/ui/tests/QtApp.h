#pragma once
// One QApplication for all tests of the window layer (offscreen platform).

#include <QApplication>

inline QApplication& TestApp() {
    static int argc = 1;
    static char name[] = "platform_ui_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}
