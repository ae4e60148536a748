#pragma once
// A mouse wheel turned over a widget, as the user's mouse would send it.

#include <Qt>

class QWidget;

namespace testsupport {

// angle: eighths of a degree, 120 a notch; positive away from the user.
void TurnWheel(QWidget* widget, int angle, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

} // namespace testsupport
