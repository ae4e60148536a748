#pragma once
// The selection-target dialog (template 214, "選択時の対象 指定"): which kinds of objects a
// selection takes (ground points, ground lines, measurement points, boundary points). "全指定"
// takes all four and closes.

#include "platform/ui/CDialog.h"

#include <array>

class CSelectTargetDlg : public CDialog {
    DECLARE_DYNAMIC(CSelectTargetDlg)
public:
    enum : UINT { kTemplateId = 214 };
    enum Target { kGroundPoint = 0, kGroundLine, kMeasurePoint, kBoundPoint, kTargets };

    // checks: the ids of the four check boxes in Target order; allButton: "全指定".
    CSelectTargetDlg(const std::array<UINT, kTargets>& checks, UINT allButton, CWnd* parent);

    BOOL OnInitDialog() override;
    void OnOK() override;

    std::array<BOOL, kTargets> m_bTarget{}; // in and out

protected:
    void CreateControls() override;

private:
    void OnSelectAll();

    std::array<UINT, kTargets> checks_;
    UINT allButton_;
};
