#pragma once
// Standard command, control and indicator ids as the programs use them.

#include "platform/core/Types.h"

enum : UINT {
    ID_SEPARATOR = 0,
    ID_FILE_NEW = 0xE100,
    ID_FILE_OPEN = 0xE101,
    ID_FILE_CLOSE = 0xE102,
    ID_FILE_SAVE = 0xE103,
    ID_FILE_SAVE_AS = 0xE104,
    ID_FILE_PAGE_SETUP = 0xE105,
    ID_FILE_PRINT_SETUP = 0xE106,
    ID_FILE_PRINT = 0xE107,
    ID_FILE_PRINT_DIRECT = 0xE108,
    ID_FILE_PRINT_PREVIEW = 0xE109,
    ID_FILE_MRU_FILE1 = 0xE110,
    ID_FILE_MRU_FILE2 = 0xE111,
    ID_FILE_MRU_FILE3 = 0xE112,
    ID_FILE_MRU_FILE4 = 0xE113,
    ID_EDIT_COPY = 0xE122,
    ID_EDIT_PASTE = 0xE125,
    ID_WINDOW_NEW = 0xE130,
    ID_WINDOW_ARRANGE = 0xE131,
    ID_WINDOW_CASCADE = 0xE132,
    ID_WINDOW_TILE_HORZ = 0xE133,
    ID_WINDOW_TILE_VERT = 0xE134,
    // The window menu's entries of the open document windows.
    AFX_IDM_FIRST_MDICHILD = 0xFF00,
    ID_APP_ABOUT = 0xE140,
    ID_APP_EXIT = 0xE141,
    ID_VIEW_TOOLBAR = 0xE800,
    ID_VIEW_STATUS_BAR = 0xE801,
    ID_INDICATOR_CAPS = 0xE6F1,
    ID_INDICATOR_NUM = 0xE6F2,
};

// Window show states, mouse key flags, virtual keys and scroll codes.
enum : int {
    SW_HIDE = 0,
    SW_SHOWNORMAL = 1,
    SW_SHOWMINIMIZED = 2,
    SW_SHOWMAXIMIZED = 3,
    SW_SHOW = 5,
    SW_RESTORE = 9
};
enum : UINT { MK_LBUTTON = 0x1, MK_RBUTTON = 0x2, MK_SHIFT = 0x4, MK_CONTROL = 0x8, MK_MBUTTON = 0x10 };
enum : UINT {
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_F1 = 0x70,
};
enum : UINT {
    SB_LINEUP = 0,
    SB_LINEDOWN = 1,
    SB_PAGEUP = 2,
    SB_PAGEDOWN = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_BOTTOM = 7,
    SB_ENDSCROLL = 8,
};
// Menu item flags.
enum : UINT {
    MF_STRING = 0x0,
    MF_ENABLED = 0x0,
    MF_UNCHECKED = 0x0,
    MF_BYCOMMAND = 0x0,
    MF_GRAYED = 0x1,
    MF_DISABLED = 0x2,
    MF_CHECKED = 0x8,
    MF_POPUP = 0x10,
    MF_SEPARATOR = 0x800,
    MF_BYPOSITION = 0x400,
};
