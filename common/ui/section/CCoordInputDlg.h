#pragma once
// The coordinate-entry dialog (template 128, "座標値入力") that Tab opens while a drawing tool is
// active: X and Y in metres, either of them optional while a figure is in progress, relative to
// the previous point when asked, or instead the number of an existing ground-surface point.

#include "common/ui/edits/CIntegerEdit.h"
#include "common/ui/edits/CRealEdit.h"
#include "platform/core/Unset.h"
#include "platform/ui/CDialog.h"

class CCoordInputDlg : public CDialog {
    DECLARE_DYNAMIC(CCoordInputDlg)
public:
    enum : UINT { kTemplateId = 128, kPrompt = 109, kX = 120, kY = 121, kPointNumber = 181 };
    // The tools whose fields differ: boundary points on the ground surface take X alone and
    // no point number, underground boundary points take no point number.
    enum : int { kUnderBoundTool = 5, kLeftBoundTool = 6, kRightBoundTool = 7 };

    // relativeCheck: the id of the check box "直前の点との相対位置入力を有効にする".
    CCoordInputDlg(UINT relativeCheck, CWnd* parent);

    int DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    CString m_strPrompt; // the previous point's coordinates, or empty
    BOOL m_bRelative = FALSE;
    BOOL m_bFirstPoint = FALSE; // no previous point: no relative entry
    int m_nToolMode = -1;
    double m_dX = platform::kUnsetDouble;     // out
    double m_dY = platform::kUnsetDouble;     // out
    int m_nPointNumber = platform::kUnsetInt; // out: above 0 when a point number was given

protected:
    void CreateControls() override;

private:
    bool ReadCoordinates();

    UINT relativeCheck_;
    CRealEdit xEdit_;
    CRealEdit yEdit_;
    CIntegerEdit numberEdit_;
};
