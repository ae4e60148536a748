#pragma once
// The one QApplication of a test program (the tests run on the offscreen platform).
//
// Lifetime rule: made on the first call and never destroyed. Tearing Qt down among the exit
// handlers is not safe: the input devices of QTest's events and the loaded print support
// would outlive the application's globals.

#include <QApplication>

namespace testsupport {

QApplication& TestApplication();

} // namespace testsupport
