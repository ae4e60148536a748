#pragma once
// "項目ﾘｽﾄから選択して検索": picks one string of the search item list.

#include "list_viewer/app/CListDialog.h"

#include <vector>

namespace wenux {

class CItemListDialog : public CListDialog {
public:
    CItemListDialog(const std::vector<CString>& items, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    // Takes the selection; without one says so and stays open.
    void OnOK() override;

    CString m_strSelected;

protected:
    void CreateControls() override;

private:
    const std::vector<CString>& items_;
};

} // namespace wenux
