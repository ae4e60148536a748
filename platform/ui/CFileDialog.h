#pragma once
// The common open/save file dialog. The Qt file browser (never the desktop's native one, so
// that it behaves alike everywhere and under tests) sits inside the dialog widget; its OK and
// Cancel reach OnOK and OnCancel, which check the chosen name (OnFileNameOK) before the
// dialog ends. Paths are CP932 like every other text of the programs.
//
// Filters are given as the programs write them: "label|pattern;pattern|label|pattern||".

#include "platform/ui/CDialog.h"

#include <QStringList>

class QFileDialog;

enum : DWORD {
    OFN_READONLY = 0x1,
    OFN_OVERWRITEPROMPT = 0x2,
    OFN_HIDEREADONLY = 0x4,
    OFN_NOCHANGEDIR = 0x8,
    OFN_SHOWHELP = 0x10,
    OFN_ENABLETEMPLATE = 0x40,
    OFN_ALLOWMULTISELECT = 0x200,
    OFN_PATHMUSTEXIST = 0x800,
    OFN_FILEMUSTEXIST = 0x1000,
    OFN_CREATEPROMPT = 0x2000,
    OFN_EXPLORER = 0x80000,
};

// The parts of the dialog's set-up that callers change before DoModal.
struct OPENFILENAME {
    DWORD Flags = 0;
    DWORD nFilterIndex = 1;                // 1-based; 0 is taken as 1
    const char* lpstrInitialDir = nullptr; // CP932; the caller keeps it alive
    const char* lpstrTitle = nullptr;      // CP932; null keeps the standard title
    UINT nTemplateId = 0;                  // the dialog's own template (kept as the widget's name)
};

class CFileDialog : public CDialog {
    DECLARE_DYNAMIC(CFileDialog)
public:
    explicit CFileDialog(BOOL openFileDialog, const char* defaultExtension = nullptr,
                         const char* fileName = nullptr, DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         const char* filter = nullptr, CWnd* parent = nullptr);
    ~CFileDialog() override;

    int DoModal() override;
    void OnOK() override;
    void OnCancel() override;

    // The chosen file's full path (valid after OK).
    CString GetPathName() const { return pathName_; }
    // The directory the dialog shows now (while it is open) or showed last.
    CString GetFolderPath() const;
    // Puts a name into the file-name box, as typing it would (a relative name is taken
    // in the directory shown).
    void SetFileNameText(const CString& name);

    QFileDialog* FileDialog() const { return fileDialog_; }
    // Qt name filters of a filter string ("label (*.a *.b)" per entry).
    static QStringList NameFilters(const CString& filter);

    OPENFILENAME m_ofn;
    BOOL m_bOpenFileDialog;

protected:
    // Checks the chosen name (GetPathName) on OK: FALSE accepts it, TRUE keeps the dialog open.
    virtual BOOL OnFileNameOK();
    // Called whenever the dialog enters another directory.
    virtual void OnFolderChange();
    void CreateControls() override;
    // Adds a control below the file browser (own templates' extra buttons and boxes).
    QWidget* AddExtraControl(int id, QWidget* widget);

private:
    void SetUpBrowser();
    QString InitialDirectory() const;
    // The name in the file-name box as a full path, with the default extension when needed.
    QString ChosenPath() const;
    bool ConfirmOverwrite(const QString& path) const;

    CString defaultExtension_;
    CString initialFileName_;
    CString filter_;
    CString pathName_;
    QString folder_;
    QFileDialog* fileDialog_ = nullptr;
    QWidget* extraRow_ = nullptr;
};
