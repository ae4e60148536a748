#pragma once
// The two reference files of a new analysis document ("参照ﾌｧｲﾙ名", template 1543): the
// section model file and the measurement file, each with a browse button that starts in the
// last-used directory. Names of any length are taken whole.

#include "platform/ui/CDialog.h"

namespace torvan {

class CRefFileDlg : public CDialog {
public:
    enum : UINT {
        kTemplateId = 1543,
        kSectionFile = 181,
        kDispFile = 182,
        kBrowseSection = 150,
        kBrowseDisp = 151,
    };

    explicit CRefFileDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    // A file dialog for one reference file of dialog; its choice goes into the edit.
    static void BrowseSectionFile(CDialog& dialog, UINT edit);
    static void BrowseDispFile(CDialog& dialog, UINT edit);

    CString m_strSectionFile;
    CString m_strDispFile;

protected:
    void CreateControls() override;
};

} // namespace torvan
