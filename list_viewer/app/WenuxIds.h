#pragma once
// Command, control, dialog and text ids of the list viewer.

#include "platform/ui/AfxRes.h"

namespace wenux {

enum : UINT {
    // Main frame resource (menu and title) and the four document templates.
    IDR_MAINFRAME = 2,
    IDR_RESULT_LIST = 240,
    IDR_CALCULATION_LOG = 241,
    IDR_DRAWING_LOG = 242,
    IDR_EDIT_ERROR_LOG = 243,

    // View commands.
    ID_JUMP_PAGE = 32947,
    ID_JUMP_TOP = 32949,
    ID_JUMP_BOTTOM = 32951,
    ID_FONT_DISPLAY = 32952,
    ID_FONT_PRINT = 32953,
    ID_JUMP_NEXT = 32975,
    ID_JUMP_PREVIOUS = 32976,
    ID_SEARCH_STRING = 32977,
    ID_SEARCH_AGAIN = 32978,
    ID_SEARCH_ITEM_LIST = 32979,
    ID_HELP_MENU_COMMANDS = 33084,
    ID_VIEW_REINITIALIZE = 33904,

    // Notifications from the views to the main frame.
    ID_NOTIFY_STATUS_NUMBERS = 33901,
    ID_NOTIFY_MESSAGE_TEXT = 33908,
    ID_NOTIFY_PAGE_TEXT = 33909,
    ID_NOTIFY_TYPE_TEXT = 33910,

    // Status bar panes of the page and line numbers.
    ID_PANE_PAGE = 33911,
    ID_PANE_LINE = 33912,

    // Framework help commands.
    ID_HELP_INDEX = 0xE142,
    ID_HELP_USING = 0xE144,
    ID_CONTEXT_HELP = 0xE145,
    ID_HELP = 0xE146,

    // Controls.
    IDC_TYPE_BOX = 127,
    IDC_PAGE_TEXT = 144,
    IDC_DIALOG_EDIT = 181,
    IDC_ITEM_LIST = 221,
    IDC_HELP_BUTTON = 9,

    // Dialog templates.
    IDD_SEARCH_STRING = 103,
    IDD_ITEM_LIST = 104,
    IDD_PAGE_BAR = 123,
    IDD_PAGE_JUMP = 244,
};

} // namespace wenux
