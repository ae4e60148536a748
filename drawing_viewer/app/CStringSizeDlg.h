#pragma once
// The size dialog of the selected strings (template 106, "文字ｻｲｽﾞ変更"): one size in mm.

#include "common/ui/edits/CRealEdit.h"
#include "platform/core/Unset.h"
#include "platform/ui/CDialog.h"

namespace zapho {

class CStringSizeDlg : public CDialog {
public:
    enum : UINT { kTemplateId = 106, kSize = 176 };

    // A size that the drawing's tenths of a millimetre would round to nothing is refused.
    static constexpr double kSmallestSize = 0.1;

    explicit CStringSizeDlg(CWnd* parent);

    int DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    double m_dSize = platform::kUnsetDouble; // mm

protected:
    void CreateControls() override;

private:
    CRealEdit size_;
};

} // namespace zapho
