#pragma once
// The choice between two reference file names while an analysis file is read: the one the
// base menu named on the command line (0) or the one the analysis file names (1).

#include "platform/ui/CDialog.h"

namespace torvan {

class CRefFileSelectDlg : public CDialog {
public:
    explicit CRefFileSelectDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    int m_nChoice = 0;
    CString m_strCaption;
    CString m_strFirstName;
    CString m_strSecondName;

protected:
    void CreateControls() override;
};

} // namespace torvan
