#pragma once
// Command, control, bar and resource ids of the section model editor. Command numbers are
// those the stored tool bar layouts and the other programs of the suite know.

#include "platform/ui/AfxRes.h"

namespace merdok {

enum : UINT {
    IDR_MAINFRAME = 2,
    IDR_BLOCKTYPE = 3,
    IDR_EDIT_BAR = 126,

    // Drawing tools, view and edit commands (handled by the section view).
    ID_FILE_INPUT_DXF = 32768,
    ID_DRAW_GROUND_LINE = 32770,
    ID_DRAW_CONTINUOUS_LINE = 32771,
    ID_FILE_DXF_OUT = 32775,
    ID_DRAW_GROUND_POINT = 32779,
    ID_DRAW_MEASURE_POINT = 32780,
    ID_DRAW_UNDER_BOUND_POINT = 32781,
    ID_DRAW_LEFT_BOUND_POINT = 32782,
    ID_DRAW_RIGHT_BOUND_POINT = 32783,
    ID_VIEW_ALL = 32784,
    ID_VIEW_MODEL_SIZE = 32785,
    ID_VIEW_PROPERTIES = 32787,
    ID_VIEW_ZOOM_IN = 32788,
    ID_VIEW_ZOOM_OUT = 32789,
    ID_TITLE_REGISTER = 32979,
    ID_EDIT_TITLE = 33002,
    ID_EDIT_SELECT = 33008,
    ID_SELECT_TARGETS = 33009,
    ID_EDIT_DELETE = 33010,
    ID_EDIT_DESELECT = 33017,
    ID_EDIT_SELECT_ALL = 33019,
    ID_CHANGE_POINT_COORDINATES = 33020,
    ID_INPUT_GROUND_LINE = 33023,
    ID_INPUT_MEASURE_POINTS = 33025,
    ID_INPUT_BOUND_POINTS = 33026,
    ID_SYSTEM_SETTINGS = 33027,
    ID_MODEL_INFO = 33029,
    ID_SELECT_UNUSED_POINTS = 33030,
    ID_SNAP_TO_POINT = 33031,
    ID_EDIT_MOVE = 33032,

    // Notifications between the view and the main frame.
    ID_SHOW_CURSOR_POS = 33901,
    ID_MENU_SELECTED = 33903,
    ID_GUIDE_PROMPT = 33908,
    ID_GUIDE_TITLE = 33909,

    // Bars and panes.
    IDW_STANDARD_BAR = 59392,
    IDW_EDIT_BAR = 32797,
    IDD_GUIDE_BAR = 117,
    IDW_GUIDE_BAR = 118,
    IDC_GUIDE_TITLE = 161,
    ID_INDICATOR_X = 59142,
    ID_INDICATOR_Y = 59143,
};

} // namespace merdok
