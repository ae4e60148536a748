#pragma once
// The choice of the slip-line estimation method before an analysis run: the two polygon
// methods with their two-boundary-point option, or the polynomial method with its three slip
// calculation parameters (all given or all blank).

#include "common/ui/edits/CRealEdit.h"
#include "platform/core/Unset.h"
#include "platform/ui/CDialog.h"

namespace torvan {

class CAnalysisMethodDlg : public CDialog {
public:
    enum : UINT {
        kTemplateId = 124,
        kMethodFirst = 198, // 198, 199, 200
        kOptionWeighted = 201,
        kOptionSimple = 110,
        kOptionGroup = 161,
        kParameterGroup = 162,
        kLabelFirst = 163, // 163, 164, 165
        kEditFirst = 181,  // 181, 182, 183
    };

    explicit CAnalysisMethodDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;
    // The option group is enabled for the polygon methods, the parameters never.
    void EnableControls(int method);

    int m_nMethod = -1;         // 0 parallel polygon, 1 rotating polygon, 2 polynomial
    int m_nTwoPointOption = -1; // 0 weighted mean, 1 simple mean
    double m_dGamma = platform::kUnsetDouble;
    double m_dCohesion = platform::kUnsetDouble;
    double m_dPhi = platform::kUnsetDouble;

protected:
    void CreateControls() override;

private:
    void ExchangeRadios();
    void OnMethodClicked();
    double* Parameter(int index);

    CRealEdit edits_[3];
    bool editsAttached_ = false;
};

} // namespace torvan
