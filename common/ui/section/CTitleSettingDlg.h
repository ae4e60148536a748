#pragma once
// The title-registration settings dialog (template 233, "タイトル登録の設定"): the title list file,
// whether titles typed are registered in it automatically, and how many it keeps. OK needs a
// path without blanks whose extension begins with ".id" (or is the caller's exactly); a file that cannot be
// read is created when the user agrees.

#include "common/ui/edits/CIntegerEdit.h"
#include "platform/ui/CDialog.h"

class CTitleSettingDlg : public CDialog {
    DECLARE_DYNAMIC(CTitleSettingDlg)
public:
    enum : UINT { kTemplateId = 233, kPath = 181, kMaxCount = 182 };

    // automaticCheck, browseButton: the ids of the check box and of "参照..." (the programs differ).
    CTitleSettingDlg(UINT automaticCheck, UINT browseButton, CWnd* parent);

    int DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    CString m_strPath;         // in and out
    BOOL m_bAutomatic = FALSE; // in and out
    int m_nMaxCount = 1;       // in and out, 1 to 100

    // Whether a path may name the title file: no blank (also no full-width blank) and an
    // extension that begins with ".id" (case ignored), or with exactExtension given, exactly
    // that extension.
    static bool IsTitleFilePath(const CString& path, const char* exactExtension = nullptr);
    // The extension OK takes exactly (the analysis program's ".idx"); null: the ".id" rule.
    const char* m_pszExactExtension = nullptr;

protected:
    void CreateControls() override;

private:
    void OnBrowse();

    UINT automaticCheck_;
    UINT browseButton_;
    CIntegerEdit countEdit_;
};
