#pragma once
// The list viewer's Open dialog: one filter per document type, starting in the directory
// the program remembers, which becomes the directory the dialog last showed.

#include "list_viewer/app/ProgramState.h"

class CWnd;

namespace wenux {

// True with the chosen path.
bool PromptOpenFileName(CWnd* owner, ProgramState& state, CString& path);

// The filter string of the four document types, in template order.
CString OpenDialogFilter();
// The directory the dialog starts in: a trailing '/' removed unless it is the root.
CString StartDirectory(const CString& initialDirectory);

} // namespace wenux
