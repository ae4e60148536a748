#pragma once
// The output-file name dialog on a template the caller names: a path edit (181, any path up
// to the system's limit, shown to its end), a browse button (150) opening the suite's file
// dialog, and OK, which asks before an existing file would be overwritten.

#include "platform/ui/CDialog.h"

class COutputFileDlg : public CDialog {
    DECLARE_DYNAMIC(COutputFileDlg)
public:
    enum : int { kPathEdit = 181, kBrowseButton = 150, kPathLabel = 180 };
    enum : UINT { kBrowseTemplateId = 213 };

    explicit COutputFileDlg(UINT templateId, CWnd* parent = nullptr);

    // The DXF output question of the section programs: `path` is the last chosen path (empty
    // before the first output, when `proposed` is offered); on OK it holds the new one.
    static bool AskDxfPath(UINT templateId, CWnd* parent, CString& path, const CString& proposed,
                           const CString& caption = CString());

    int DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnBrowse();

    CString m_strPath;    // the output path (CP932)
    CString m_strCaption; // replaces the template's caption when not empty
    CString m_strOkText;  // replaces the OK button's text when not empty
    CString m_strLabel;   // replaces the path's label when not empty
    CString m_strFilter;  // the browse dialog's filter ("label|pattern||")

protected:
    void CreateControls() override;

private:
    void ShowPath();
    // Where the browse dialog starts: the current path's directory, else the last directory.
    CString BrowseDirectory() const;
};
