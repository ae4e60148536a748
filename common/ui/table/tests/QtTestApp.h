#pragma once
// One QApplication for the table tests (offscreen platform).

#include <QApplication>

inline QApplication& TestApp() {
    static int argc = 1;
    static char name[] = "common_table_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}
