#pragma once
// The DXF output dialog (template 107, "DXFﾌｧｲﾙ出力"): the file name, the page range, the
// horizontal text scales and the line width and colour method with its four colour numbers.
// OK completes a name without extension with ".dxf" and asks before any file the export
// would replace, the page files of a range included.

#include "common/ui/edits/CIntegerEdit.h"
#include "common/ui/edits/CRealEdit.h"
#include "platform/core/CString.h"
#include "platform/core/Unset.h"
#include "platform/ui/CDialog.h"

#include <vector>

namespace zapho {

class CDxfOutputDlg : public CDialog {
public:
    enum : UINT {
        kTemplateId = 107,
        kMethod = 172,
        kBrowse = 138,
        kWidthPrompt = 144,
        kWidthLabel = 145, // 145-148
        kFile = 176,
        kFirstPage = 177,
        kLastPage = 178,
        kScaleWide = 179,
        kScaleNarrow = 180,
        kWidthColor = 181, // 181-184
        kHelp = 57670,
    };
    static constexpr int kFileLimit = 128;
    static constexpr int kWidthColorMethod = 2;

    explicit CDxfOutputDlg(CWnd* parent);

    int DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    CString m_strFile;
    int m_nFirstPage = platform::kUnsetInt;
    int m_nLastPage = platform::kUnsetInt;
    int m_nPageCount = 1; // pages of the drawing: the range's names are made for these
    double m_dScaleWide = 0.8;
    double m_dScaleNarrow = 0.5;
    int m_nColorMode = 0;
    int m_nWidthColor[4] = {5, 8, 1, 6};

protected:
    void CreateControls() override;

private:
    void OnBrowse();
    void ShowWidthColors();
    bool ReadFileName(CString& name);
    bool ReadPages(int& first, int& last);
    bool ReadScales(double& wide, double& narrow);
    bool ReadWidthColors(int method, int colors[4]);
    // Asks before replacing any of the files; false when the user says no.
    static bool MayReplace(const std::vector<CString>& paths);

    CIntegerEdit firstPage_;
    CIntegerEdit lastPage_;
    CRealEdit scaleWide_;
    CRealEdit scaleNarrow_;
    CIntegerEdit widthColors_[4];
};

} // namespace zapho
