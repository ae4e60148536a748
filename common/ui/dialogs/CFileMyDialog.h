#pragma once
// The suite's open/save file dialog. It remembers the directory the user last moved to
// while it was open; closing it (OK or Cancel) makes that directory the process-wide last
// directory, where the next file dialog can start. An open dialog that requires an
// existing file refuses a data file of another kind: a first line "TITLE ..." longer than
// 60 columns must carry one of the expected format tags from column 61 (letter case
// ignored); any other first line is accepted. The expected tags are those of the analysis
// file unless the program sets its own.

#include "platform/ui/CFileDialog.h"

#include <string>
#include <vector>

class CFileMyDialog : public CFileDialog {
    DECLARE_DYNAMIC(CFileMyDialog)
public:
    explicit CFileMyDialog(BOOL openFileDialog, const char* defaultExtension = nullptr,
                           const char* fileName = nullptr,
                           DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* filter = nullptr,
                           CWnd* parent = nullptr, UINT templateId = 0);

    void OnOK() override;
    void OnCancel() override;

    // The directory the user last moved to while the dialog was open (empty when none).
    const CString& GetCurrentDirectoryText() const { return m_strCurrentDirectory; }
    static const CString& GetLastDirectory();
    static void SetLastDirectory(const CString& directory);

    // The format tags a TITLE line may carry, tried in order, and the refusal's text.
    void SetFormatTags(std::vector<std::string> tags, const CString& refusal);

protected:
    BOOL OnFileNameOK() override;
    void OnFolderChange() override;
    // True when OK has to look at the chosen file (an open dialog requiring an existing file).
    bool ChecksChosenFile() const;

    CString m_strCurrentDirectory;

private:
    void KeepLastDirectory() const;

    std::vector<std::string> formatTags_;
    CString refusal_;
};
