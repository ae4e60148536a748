#pragma once
// Base of the viewer's own dialogs: modal runs go through the dialog script, so that
// tests answer them as a user would.

#include "platform/ui/CDialog.h"

namespace wenux {

class CListDialog : public CDialog {
public:
    using CDialog::CDialog;
    int DoModal() override;
};

} // namespace wenux
