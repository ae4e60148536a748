#pragma once
// The window that a message box or a dialog made without a parent belongs to: it opens
// centred over that window and is framed as its dialog (no minimise or maximise buttons,
// kept above it) rather than as a window of its own at the screen's corner or centre.

class QWidget;

namespace platform {

// The open modal dialog, else the active window, else the program's shown main window;
// null when there is none (a program whose first window is a dialog).
QWidget* OwnerWindow();

// Lays window out and puts it explicitly over the middle of owner's window (kept on owner's
// screen), before it is shown. An explicit place is one the window manager keeps: a window
// left to the toolkit's automatic placement may be put at the screen's top-left corner.
void PlaceOverOwner(QWidget& window, const QWidget* owner);

} // namespace platform
