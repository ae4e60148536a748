#pragma once
// One QApplication for all tests of the common dialogs (offscreen platform). It is never
// destroyed: once the print dialog has loaded the print support, tearing the application
// down during exit runs Qt's clean-up routines after parts of Qt are already gone.

#include <QApplication>

inline QApplication& TestApp() {
    static int argc = 1;
    static char name[] = "common_ui_dialogs_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}
