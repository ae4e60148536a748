#pragma once
// Files dropped on a program's main window open as the application's documents, as the
// open command would open them, one after the other.

class QWidget;

namespace platform {

// Makes the window accept dropped files; a name CP932 cannot hold is told about, not opened.
void OpenDroppedFiles(QWidget* window);

} // namespace platform
