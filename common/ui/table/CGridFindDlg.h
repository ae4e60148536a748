#pragma once
// The search dialog of the table: the text to find (edit 924, at most 30 characters) and
// the direction (check box 925 checked: toward later rows). An empty text beeps and keeps
// the dialog open.

#include "platform/ui/CDialog.h"

class CGridFindDlg : public CDialog {
public:
    CGridFindDlg(CWnd* parent, const CString& text, BOOL forward);
    CString m_text;
    BOOL m_bForward;

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    void CreateControls() override;
};
