#pragma once
// The one QApplication of a benchmark program, on the offscreen platform whatever the
// environment says (a benchmark draws nothing that anyone looks at).
//
// Lifetime rule: made on the first call and never destroyed, as the tests' application.

#include <QApplication>

namespace testsupport {

// name is the program's name (its argv[0]); only the first call's counts.
QApplication& OffscreenApplication(const char* name);

} // namespace testsupport
