#pragma once
// Base of the viewer's own dialogs: shown centred over the program's window (and, like
// every modal dialog, answered by the dialog script in tests).

#include "platform/ui/CDialog.h"

namespace wenux {

class CListDialog : public CDialog {
public:
    using CDialog::CDialog;
    int DoModal() override;
};

} // namespace wenux
