#pragma once
// The model information dialog (template 122, "ﾓﾃﾞﾙ情報"): how many ground points, lines,
// measurement points and boundary points the model holds and the size and extent of its ground
// points. A size that is not set leaves its field with the template's placeholder.

#include "platform/core/Unset.h"
#include "platform/ui/CDialog.h"

namespace merdok {

class CModelInfoDlg : public CDialog {
    DECLARE_DYNAMIC(CModelInfoDlg)
public:
    enum : UINT {
        kTemplateId = 122,
        kGroundPoints = 161,
        kLines = 162,
        kMeasurePoints = 163,
        kBoundPoints = 164,
        kWidth = 165,
        kHeight = 166,
        kXMin = 167,
        kXMax = 168,
        kYMin = 169,
        kYMax = 170
    };

    explicit CModelInfoDlg(CWnd* parent);

    BOOL OnInitDialog() override;

    int m_nGroundPoints = 0;
    int m_nLines = 0;
    int m_nMeasurePoints = 0;
    int m_nBoundPoints = 0;
    double m_dWidth = platform::kUnsetDouble;
    double m_dHeight = platform::kUnsetDouble;
    double m_dXMin = platform::kUnsetDouble;
    double m_dXMax = platform::kUnsetDouble;
    double m_dYMin = platform::kUnsetDouble;
    double m_dYMax = platform::kUnsetDouble;

protected:
    void CreateControls() override;
};

} // namespace merdok
