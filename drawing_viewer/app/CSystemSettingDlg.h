#pragma once
// The system settings dialog (template 300, "システム設定"): the string list file with its
// automatic registration and maximum count, and the two print options.

#include "common/ui/edits/CIntegerEdit.h"
#include "platform/core/CString.h"
#include "platform/ui/CDialog.h"

namespace zapho {

class CSystemSettingDlg : public CDialog {
public:
    enum : UINT {
        kTemplateId = 300,
        kAutomatic = 112,
        kMonochrome = 113,
        kReverse = 114,
        kBrowse = 138,
        kFile = 176,
        kMaxCount = 177,
    };
    static constexpr int kFileLimit = 128;

    explicit CSystemSettingDlg(CWnd* parent);

    int DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    CString m_strTitleFile;
    int m_nAutomatic = 1;
    int m_nMaxCount = 30;
    int m_nMonochrome = 1;
    int m_nReverse = 0;

protected:
    void CreateControls() override;

private:
    void OnBrowse();
    // Silent refusals of the name, as the dialog has always done: empty, with a blank, or
    // without an extension beginning with ".id".
    static bool IsAcceptableName(const CString& name);

    CIntegerEdit maxCount_;
};

} // namespace zapho
