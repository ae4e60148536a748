#pragma once
// The document title dialog (template 102, "タイトル"): the title typed or chosen from the titles
// registered before; with automatic registration the title goes to the head of the title file,
// which keeps at most the configured count. Enter in the title moves to the next control.

#include "platform/ui/CDialog.h"

#include <memory>

class CTitleFile;

namespace merdok {

class CTitleDlg : public CDialog {
    DECLARE_DYNAMIC(CTitleDlg)
public:
    enum : UINT { kTemplateId = 102, kTitle = 175 };

    explicit CTitleDlg(CWnd* parent);
    ~CTitleDlg() override;

    BOOL OnInitDialog() override;
    void OnOK() override;

    CString m_strTitle; // in and out, at most 40 characters
    CString m_strTitleFile;
    BOOL m_bAutomatic = FALSE;
    int m_nMaxCount = 30;

protected:
    void CreateControls() override;

private:
    std::unique_ptr<CTitleFile> titles_;
};

} // namespace merdok
