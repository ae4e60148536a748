#pragma once
// Files dropped on a program's main window open as the application's documents, as the
// open command would open them, one after the other.

class QWidget;

namespace platform {

// Makes the window accept dropped files (local paths that CP932 can hold).
void OpenDroppedFiles(QWidget* window);

} // namespace platform
