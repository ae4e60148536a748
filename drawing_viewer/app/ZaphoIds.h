#pragma once
// Command, template and text ids of the drawing viewer.

#include "platform/ui/AfxRes.h"

namespace zapho {

enum : UINT {
    // Menus and titles: no document, plot-output documents, figure documents.
    IDR_MAINFRAME = 2,
    IDR_PLOT_OUTPUT = 3,
    IDR_FIGURE = 103,

    // View commands.
    ID_VIEW_ALL_MODEL = 32777,
    ID_STRING_SIZE = 32779,
    ID_STRING_INPUT = 32964,
    ID_STRING_FONT = 32965,
    ID_STRING_SELECT = 32966,
    ID_STRING_DELETE = 32967,
    ID_PAGE_NEXT = 32968,
    ID_PAGE_PREVIOUS = 32969,
    ID_PLOT_REOPEN = 32970,
    ID_SYSTEM_SETTINGS = 32971,
    ID_DXF_OUTPUT = 32972,
    ID_COPY_RANGE = 32973,

    // Notifications to the main frame.
    ID_NOTIFY_CURSOR = 33901,
    ID_NOTIFY_MESSAGE = 33908,
    ID_NOTIFY_PROMPT = 33909,
    ID_NOTIFY_NOTHING = 33910,

    // Status panes of the cursor position, the prompt bar and its text.
    ID_PANE_CURSOR_X = 33911,
    ID_PANE_CURSOR_Y = 33912,
    IDD_PROMPT_BAR = 118,
    IDC_PROMPT_TEXT = 144,

    // Help entries of the framework.
    ID_HELP_INDEX = 57666,
};

} // namespace zapho
