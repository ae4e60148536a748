#pragma once
// What the drawing viewer keeps for the whole run: the texts the main frame shows, the
// cursor position, the clean-up flag of plot files and the settings.

#include "drawing_viewer/app/ViewerSettings.h"

#include "platform/core/CString.h"

namespace zapho {

struct ProgramState {
    CString programDirectory; // with its trailing '/'
    CString promptText;       // the mode and page text of the prompt bar
    CString messageText;      // status pane 0
    double cursorX = 0.0;     // cm of paper
    double cursorY = 0.0;
    // The plot index the analysis program's drawing run handed over on the command line,
    // while it opens: only that document's plot files go when it closes.
    CString drawingRunIndex;
    // 0 until the main window was first maximised, 1 until the first view placed its frame.
    int firstPlacement = 0;
    ViewerSettings settings;
};

} // namespace zapho
