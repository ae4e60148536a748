#pragma once
// The editing and printing settings ("ｼｽﾃﾑ設定(編集･印刷)", template 217): the distance
// within which a new point is an existing one (m), the angle within which a new line
// continues an existing one (radians, 0 <= angle < 1), and monochrome printing.

#include "common/ui/edits/CRealEdit.h"
#include "platform/ui/CDialog.h"

namespace torvan {

class CSystemSettingDlg : public CDialog {
public:
    enum : UINT { kTemplateId = 217, kDistance = 185, kAngle = 186, kMonochrome = 193 };

    explicit CSystemSettingDlg(CWnd* parent = nullptr);

    int DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    double m_dNewPoint = 0.01;
    double m_dNewLine = 0.01;
    int m_nMonochrome = 0;

protected:
    void CreateControls() override;

private:
    CRealEdit distance_;
    CRealEdit angle_;
};

} // namespace torvan
