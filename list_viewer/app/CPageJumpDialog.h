#pragma once
// "指定頁へｼﾞｬﾝﾌﾟ": asks for a page number from 1 to 9999.

#include "list_viewer/app/CListDialog.h"

namespace wenux {

class CPageJumpDialog : public CListDialog {
public:
    explicit CPageJumpDialog(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    unsigned m_nPage = 1;

protected:
    void CreateControls() override;
};

} // namespace wenux
