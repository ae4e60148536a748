#pragma once
// One QApplication for the table tests (offscreen platform). It lives until the process
// ends and is never destroyed: the input devices that QTest's events create belong to it.

#include <QApplication>

inline QApplication& TestApp() {
    static int argc = 1;
    static char name[] = "common_table_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}
