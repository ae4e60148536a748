#pragma once
// Command ids of the scaled section view and of the messages it sends to its main frame. The
// section editor and the analysis program use the same numbers.

#include "platform/core/Types.h"

namespace section {

enum : UINT {
    ID_VIEW_ALL = 32784,        // fit the model into the window
    ID_VIEW_MODEL_SIZE = 32785, // the model-size dialog
    ID_VIEW_SCALE_UP = 32788,   // enlarge by 1 % (10 % with Shift)
    ID_VIEW_SCALE_DOWN = 32789, // reduce by 1 % (10 % with Shift)
    // Sent by the view to its main frame: show what the process-wide texts now hold.
    ID_SHOW_CURSOR_POS = 33901,   // panes 1 and 2: the cursor position
    ID_MENU_SELECTED = 33903,     // sent to the active section view when a menu item is selected
    ID_SHOW_GUIDE_PROMPT = 33908, // pane 0: the guide prompt
    ID_SHOW_GUIDE_TITLE = 33909,  // dialog bar: the guide title
    ID_SHOW_METHOD_NAME = 33910,  // the analysis bar's edit box: the method name
};

} // namespace section
