#pragma once
// The table dialogs' confirmation: a message (static 923), OK and "戻る" (which cancels).

#include "platform/ui/CDialog.h"

class CGridConfirmDlg : public CDialog {
public:
    CGridConfirmDlg(CWnd* parent, const CString& message);
    BOOL OnInitDialog() override;

protected:
    void CreateControls() override;

private:
    CString message_;
};
