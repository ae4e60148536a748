#pragma once
// Steps the small dialogs of the section views share: Enter in a field moves on to the next
// field instead of closing, and number edits are attached with the message the programs show
// when that fails.

class CDialog;
class CEdit;

namespace section {

// True (the focus moved on) when OK came from Enter in a field rather than from the OK button.
bool EnterStepsToNextField(CDialog& dialog);
// Attaches a number edit to its control; false after "コントロールエラー　SubclassDlgItem".
bool AttachEdit(CEdit& edit, int controlId, CDialog& dialog);

} // namespace section
