#pragma once
// The title registration command of the section programs: the title settings dialog on the
// program's settings, which take what it gives on OK.

#include "common/ui/shell/SectionSystemSettings.h"
#include "platform/core/Types.h"

class CWnd;

namespace shell {

// automaticCheck, browseButton: the program's ids of the dialog's check box and "参照...";
// exactExtension: the title file's extension when the program takes only that one.
void EditTitleRegistration(SectionSystemSettings& settings, UINT automaticCheck, UINT browseButton,
                           CWnd* parent, const char* exactExtension = nullptr);

} // namespace shell
