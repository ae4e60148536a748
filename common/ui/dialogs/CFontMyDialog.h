#pragma once
// The suite's font dialog on its own template (1542): a caption of the caller's, a sample
// box (145) showing "12345678" in the chosen font and colour, two check boxes (140, 147)
// whose states the caller sets before and reads after the dialog, and a parts mode that
// hides rows when the dialog opens: 0 hides check box 140; 1 also check box 147 and the
// colour row; 2 also the size row; 3 also the style row, leaving only the face list.

#include "platform/ui/CFontDialog.h"

class QLabel;

class CFontMyDialog : public CFontDialog {
    DECLARE_DYNAMIC(CFontMyDialog)
public:
    enum : UINT { kTemplateId = 1542 };
    enum : int { kCheck1 = 140, kCheck2 = 147, kSampleBox = 145 };

    explicit CFontMyDialog(const LOGFONT* initial = nullptr, DWORD flags = CF_EFFECTS | CF_SCREENFONTS,
                           CDC* printerDC = nullptr, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    CString m_strCaption; // replaces the template's caption when not empty
    int m_nMode = 0;      // 0..3, see above
    int m_nCheck1 = 0;    // check box 140
    int m_nCheck2 = 0;    // check box 147

protected:
    void CreateControls() override;
    void OnFontChange() override;

private:
    void HidePartsByMode();

    QLabel* sample_ = nullptr;
};
