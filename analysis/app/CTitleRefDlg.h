#pragma once
// The analysis file's title and reference files ("タイトルと参照ﾌｧｲﾙ", template 102): the
// title (offered from the registered titles), the section model file and the measurement
// file, each with a browse button starting in the last-used directory. "ﾌｧｲﾙ更新" ends it
// with kUpdateFiles, asking the caller to read the reference files again.

#include "common/ui/dialogs/TitleRegistration.h"
#include "platform/ui/CDialog.h"

namespace torvan {

class CTitleRefDlg : public CDialog {
public:
    enum : UINT {
        kTemplateId = 102,
        kTitle = 175,
        kSectionFile = 181,
        kDispFile = 182,
        kBrowseSection = 150,
        kBrowseDisp = 151,
        kUpdateButton = 152,
    };
    enum : int { kUpdateFiles = 8 }; // the end code of "ﾌｧｲﾙ更新"

    explicit CTitleRefDlg(CWnd* parent = nullptr);

    int DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    CString m_strTitle;
    CString m_strSectionFile;
    CString m_strDispFile;
    TitleRegistration m_titles;

protected:
    void CreateControls() override;

private:
    // Takes the fields (registering the title) and ends with code.
    void Finish(int code);
};

} // namespace torvan
