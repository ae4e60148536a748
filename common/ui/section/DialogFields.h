#pragma once
// A step the small dialogs of the section views share: number edits are attached with the
// message the programs show when that fails.

class CDialog;
class CEdit;

namespace section {

// Attaches a number edit to its control; false after "コントロールエラー　SubclassDlgItem".
bool AttachEdit(CEdit& edit, int controlId, CDialog& dialog);

} // namespace section
