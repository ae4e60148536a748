#pragma once
// Ids of the main frame parts that the section editor and the analysis program share: the
// bottom bar with the guide title, the cursor position panes and the tool-text switch.

#include "platform/core/Types.h"

namespace shell {

enum : UINT {
    ID_VIEW_TOOL_TEXT = 33057,
    IDD_GUIDE_BAR = 117,
    IDW_GUIDE_BAR = 118,
    IDC_GUIDE_TITLE = 161,
    ID_INDICATOR_X = 59142,
    ID_INDICATOR_Y = 59143,
};

} // namespace shell
