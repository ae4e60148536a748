#pragma once
// The move dialog ("移動量入力"): how far the selected points move in X and Y (metres); one of
// the two may stay empty, not both.

#include "common/ui/edits/CRealEdit.h"
#include "platform/core/Unset.h"
#include "platform/ui/CDialog.h"

class CMoveDlg : public CDialog {
    DECLARE_DYNAMIC(CMoveDlg)
public:
    enum : UINT { kDx = 181, kDy = 182 };

    // templateId: the programs number the dialog differently.
    CMoveDlg(UINT templateId, CWnd* parent);

    int DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    double m_dX = platform::kUnsetDouble; // in and out
    double m_dY = platform::kUnsetDouble; // in and out

protected:
    void CreateControls() override;

private:
    CRealEdit xEdit_;
    CRealEdit yEdit_;
};
