#pragma once
// The coordinate input dialog (template 128, "座標値入力") that TAB opens while a copy range is
// given: x and y in cm, either may be left empty, optionally relative to the previous point.

#include "common/ui/edits/CRealEdit.h"
#include "platform/core/CString.h"
#include "platform/core/Unset.h"
#include "platform/ui/CDialog.h"

namespace zapho {

class CCoordInputDlg : public CDialog {
public:
    enum : UINT { kTemplateId = 128, kRelative = 112, kPrevious = 144, kX = 176, kY = 177 };

    explicit CCoordInputDlg(CWnd* parent);

    int DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    CString m_strPrevious;      // the previous point, or empty
    BOOL m_bFirstPoint = FALSE; // hides the relative check box (and X with a previous point)
    BOOL m_bRelative = FALSE;
    double m_dX = platform::kUnsetDouble; // cm
    double m_dY = platform::kUnsetDouble;

protected:
    void CreateControls() override;

private:
    CRealEdit x_;
    CRealEdit y_;
};

} // namespace zapho
