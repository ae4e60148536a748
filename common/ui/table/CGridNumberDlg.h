#pragma once
// The small number dialogs of the table commands: the row to jump to and the number of
// blank rows to insert. The number is read as an int (a non-number is refused first) and
// checked against the dialog's range; a refused entry keeps the dialog open with the edit's
// text selected. Messages go through the table dialog.

#include "platform/ui/CDialog.h"

class CGridDlg;

class CGridNumberDlg : public CDialog {
public:
    struct Form {
        UINT templateId;
        int editId;
        const char8_t* caption;
        const char8_t* label;
        int minimum; // INT_MIN when only the maximum counts
        int maximum;
        const char8_t* rangeMessage;
    };

    CGridNumberDlg(CGridDlg* table, const Form& form, int number);
    int m_nNumber;

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    void CreateControls() override;

private:
    void Refuse(const CString& message);

    CGridDlg* table_;
    Form form_;
};
