#pragma once
// What the list viewer keeps for the whole program: the texts its bars show, the Open
// dialog's memory, the search string and item list, and the display and print fonts.

#include "list_viewer/core/FontSettings.h"

#include "platform/core/CString.h"

#include <vector>

namespace wenux {

struct ProgramState {
    CString programDirectory; // with its trailing '/'
    CString initialDirectory; // where the Open dialog starts
    int commandLineType = 0;  // initial filter of the Open dialog
    bool startedWithFile = false;

    CString typeText;    // type box of the tool bar
    CString pageText;    // page bar
    CString messageText; // status pane 0
    long pageNumber = 0;
    long lineNumber = 0;

    CString searchString;
    std::vector<CString> searchItems;

    ListFont displayFont;
    ListFont printFont;
};

} // namespace wenux
