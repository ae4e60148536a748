#pragma once
// The one QApplication of a test program (the tests run on the offscreen platform).
//
// Lifetime rule: made on the first call and never destroyed. Tearing Qt down among the exit
// handlers is not safe: the input devices of QTest's events and the loaded print support
// would outlive the application's globals.
//
// The programs' settings folder of the test program ($XDG_CONFIG_HOME) is a private directory
// of its own, removed when the program ends, so that no test reads or writes the user's real
// settings; fixtures that look at the settings point it at their own directory.

#include <QApplication>

namespace testsupport {

QApplication& TestApplication();

} // namespace testsupport
