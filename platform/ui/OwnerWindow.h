#pragma once
// The window that a message box or a dialog made without a parent belongs to: it opens
// centred over that window and is framed as its dialog (no minimise or maximise buttons,
// kept above it) rather than as a window of its own at the screen's corner or centre.

class QWidget;

namespace platform {

// The open modal dialog, else the active window, else the program's shown main window;
// null when there is none (a program whose first window is a dialog).
QWidget* OwnerWindow();

} // namespace platform
