#pragma once
// Ids of the main frame parts that the section editor and the analysis program share: the
// bottom bar with the guide title, the cursor position panes, the tool-text switch and the
// tool bar commands both programs have.

#include "platform/core/Types.h"

namespace shell {

enum : UINT {
    ID_VIEW_TOOL_TEXT = 33057,
    ID_DRAW_LEFT_BOUND_POINT = 32782,
    ID_DRAW_RIGHT_BOUND_POINT = 32783,
    ID_VIEW_PROPERTIES = 32787,
    ID_TITLE_REGISTER = 32979,
    ID_EDIT_SELECT = 33008,
    ID_EDIT_DELETE = 33010,
    ID_EDIT_DESELECT = 33017,
    ID_CHANGE_POINT_COORDINATES = 33020,
    ID_SNAP_TO_POINT = 33031,
    IDD_GUIDE_BAR = 117,
    IDW_GUIDE_BAR = 118,
    IDC_GUIDE_TITLE = 161,
    ID_INDICATOR_X = 59142,
    ID_INDICATOR_Y = 59143,
};

} // namespace shell
