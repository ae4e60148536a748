#pragma once
// The string input dialog (template 224, "文字入力"): the text of a string with the
// registered strings to choose from, its spacing, size (mm), angle (degrees), colour, W flag
// (background cleared), position (cm, on the paper) and alignment. OK registers the text in
// the string list file when automatic registration is on.

#include "drawing_viewer/app/CColorComboBox.h"

#include "common/ui/edits/CRealEdit.h"
#include "platform/core/CString.h"
#include "platform/core/Unset.h"
#include "platform/ui/CDialog.h"

namespace zapho {

class CStringInputDlg : public CDialog {
public:
    enum : UINT {
        kTemplateId = 224,
        kErase = 112,
        kText = 172,
        kAlignX = 173,
        kAlignY = 174,
        kColor = 175,
        kSpacing = 177,
        kSize = 178,
        kAngle = 179,
        kX = 180,
        kY = 181,
    };
    // CP932 bytes of the text.
    static constexpr int kTextLimit = 80;

    explicit CStringInputDlg(CWnd* parent);

    int DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    CString m_strText;
    double m_dSpacing = platform::kUnsetDouble; // mm
    BOOL m_bErase = FALSE;                      // the W flag
    double m_dSize = platform::kUnsetDouble;    // mm
    double m_dAngle = platform::kUnsetDouble;   // degrees
    int m_nColor = 0;
    double m_dX = platform::kUnsetDouble; // cm
    double m_dY = platform::kUnsetDouble;
    int m_nAlign = 8;       // text-align flags
    double m_dPaperW = 0.0; // cm, the limit of X
    double m_dPaperH = 0.0; // cm, the limit of Y
    CString m_strTitleFile; // the string list file
    int m_nAutomatic = 1;
    int m_nMaxCount = 30;

protected:
    void CreateControls() override;

private:
    bool ReadText(CString& text);
    bool ReadNumbers();
    void FillStringList();
    void RegisterText() const;

    CRealEdit spacing_;
    CRealEdit size_;
    CRealEdit angle_;
    CRealEdit x_;
    CRealEdit y_;
    CColorComboBox color_;
};

} // namespace zapho
