#pragma once
// The conditions one slip line was made under, opened from the registered slip-line tree:
// its estimation method, the block lines with their β, and the boundary points it passes.
// Read only; the dialog stands where the caller puts it.

#include "platform/ui/CDialog.h"

namespace torvan {

class CVerrant;

class CAnalysisCondDlg : public CDialog {
public:
    enum : UINT {
        kTemplateId = 153,
        kMethodName = 181,
        kBlockLines = 107,
        kLeftPoint = 182,
        kRightPoint = 183,
        kInnerPoint = 184,
    };

    explicit CAnalysisCondDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;

    const CVerrant* m_pSlipLine = nullptr; // the slip line shown
    int m_nX = 0;                          // the dialog's screen position
    int m_nY = 0;

protected:
    void CreateControls() override;
};

} // namespace torvan
