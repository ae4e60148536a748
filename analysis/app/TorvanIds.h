#pragma once
// Command, control, bar and resource ids of the analysis program. The ids of commands and
// notifications are those other parts of the suite and the stored tool bar layouts know.

#include "platform/ui/AfxRes.h"

namespace torvan {

enum : UINT {
    // Resources: the main frame and the analysis document (menu and document strings).
    IDR_MAINFRAME = 2,
    IDR_BLOCKTYPE = 3,

    // Commands of the analysis view (handled by the view; disabled while it has none).
    ID_DRAW_SURFACE_LINE = 32770,
    ID_DRAW_POLYLINE = 32771,
    ID_FILE_DXF_OUT = 32775,
    ID_DRAW_HORIZONTAL_LINE = 32777,
    ID_DRAW_VERTICAL_LINE = 32778,
    ID_DRAW_SURFACE_POINT = 32779,
    ID_DRAW_MEASURE_POINT = 32780,
    ID_DRAW_INNER_BOUND_POINT = 32781,
    ID_VIEW_ALL = 32784,
    ID_VIEW_MODEL_SIZE = 32785,
    ID_VIEW_PROPERTIES = 32787,
    ID_VIEW_ZOOM_IN = 32788,
    ID_VIEW_ZOOM_OUT = 32789,
    ID_EDIT_DISP_DATA = 32799,
    ID_TITLE_REGISTER = 32979,
    ID_TITLE_AND_REF_FILES = 33002,
    ID_EDIT_SELECT = 33008,
    ID_SELECT_TARGETS = 33009,
    ID_EDIT_DELETE = 33010,
    ID_EDIT_DESELECT = 33017,
    ID_EDIT_SELECT_ALL = 33019,
    ID_CHANGE_POINT_COORDINATES = 33020,
    ID_INPUT_SURFACE_LINE = 33023,
    ID_INPUT_SURFACE_POINTS = 33024,
    ID_INPUT_MEASURE_POINTS = 33025,
    ID_INPUT_BOUND_POINTS = 33026,
    ID_SYSTEM_SETTINGS = 33027,
    ID_SELECT_UNUSED_POINTS = 33030,
    ID_SNAP_TO_POINT = 33031,
    ID_EDIT_MOVE = 33032,
    ID_ANALYSIS_RUN = 33033,
    ID_VIEW_TOOL_TEXT = 33057,
    ID_ANALYSIS_METHOD = 33059,
    ID_RELOAD_RESULT = 33061,
    ID_DRAWING_RUN = 33063,
    ID_DELETE_ALL_SLIP_LINES = 33064,
    ID_DELETE_ALL_BOUND_POINTS = 33065,
    ID_DRAW_LEFT_BOUND_POINT = 33069,
    ID_DRAW_RIGHT_BOUND_POINT = 33071,
    ID_VIEW_DISP_VECTOR = 33082,

    // Notifications to the main frame and the view (sent as commands).
    ID_SHOW_CURSOR_POS = 33901,
    ID_ACTIVATE_BLOCK_VIEW = 33902,
    ID_MENU_SELECTED = 33903,
    ID_GUIDE_PROMPT = 33908,
    ID_GUIDE_TITLE = 33909,
    ID_ANALYSIS_METHOD_CHANGED = 33910,

    // Bars, their controls and the status panes.
    IDW_STANDARD_BAR = 59392,
    IDW_EDIT_BAR = 32797,
    IDW_ANALYSIS_BAR = 32798,
    IDC_METHOD_NAME = 129,
    IDD_GUIDE_BAR = 117,
    IDW_GUIDE_BAR = 118,
    IDC_GUIDE_TITLE = 161,
    ID_INDICATOR_X = 59142,
    ID_INDICATOR_Y = 59143,

    // Dialogs.
    IDD_REF_FILE_SELECT = 154,
    IDC_REF_FIRST_CHOICE = 198,
    IDC_REF_SECOND_CHOICE = 199,
    IDC_REF_FIRST_NAME = 181,
    IDC_REF_SECOND_NAME = 182,
};

} // namespace torvan
