#pragma once
// The Enter rule that opens the OK handler of the viewer's dialogs: Enter pressed in a field
// (the focus elsewhere than on OK) moves the focus on to the next control instead of closing.

class CDialog;

namespace zapho {

// True when the focus was moved on; the OK handler then returns.
bool EnterMovesFocus(CDialog& dialog);

} // namespace zapho
