#pragma once
// Asks how a new measurement file is to be entered: two-dimensional (ds, dz) or
// three-dimensional (dx, dy, dz). Nothing is chosen at first.

#include "platform/ui/CDialog.h"

namespace quilmo {

enum : int { IDD_INPUT_METHOD = 123, IDC_METHOD_2D = 105, IDC_METHOD_3D = 106 };

class CInputMethodDlg : public CDialog {
public:
    explicit CInputMethodDlg(CWnd* parent = nullptr) : CDialog(IDD_INPUT_METHOD, parent) {}

    // After OK: 0 two-dimensional, 1 three-dimensional.
    int m_nDimension = -1;

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    void CreateControls() override;
};

} // namespace quilmo
