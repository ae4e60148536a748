#pragma once
// Brings a top-level window forward for another program of the suite that asked for it:
// out of the minimised state, shown, raised and active.

class QWidget;

namespace platform {

// False when there is no window.
bool BringWindowToFront(QWidget* window);

} // namespace platform
