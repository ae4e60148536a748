#pragma once
// The displacement-vector display ("変位ﾍﾞｸﾄﾙ表示設定", template 155): how vectors are
// drawn (from the first to the last reading, joined readings, least squares, or not at
// all: modes 0 to 3) and the displacement in cm drawn 1 cm long on the whole-model view
// (empty: the largest displacement).

#include "common/ui/edits/CRealEdit.h"
#include "platform/ui/CDialog.h"

namespace torvan {

class CVectorDisplayDlg : public CDialog {
public:
    enum : UINT { kTemplateId = 155, kMode = 175, kScale = 181 };

    explicit CVectorDisplayDlg(CWnd* parent = nullptr);

    int DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    int m_nMode = 0;
    double m_dScale; // cm; unset: the largest displacement

protected:
    void CreateControls() override;

private:
    CRealEdit scale_;
};

} // namespace torvan
