#pragma once
// "文字列の検索": the string to search for, at most 128 characters.

#include "list_viewer/app/CListDialog.h"

namespace wenux {

class CSearchStringDialog : public CListDialog {
public:
    explicit CSearchStringDialog(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    CString m_strText;

protected:
    void CreateControls() override;
};

} // namespace wenux
