#pragma once
// The base menu's file dialog, also the list viewer's: the suite's file dialog on the
// template 1536 with a "詳細..." button (103) that save dialogs hide, and a kind given by
// the creator. An open dialog of kind 0 that requires an existing file checks the chosen
// file's first line: a line starting with "*" is accepted, any other must carry the
// expected tag from column 61 (letter case ignored), else the refusal is shown and the
// dialog stays open. Any other kind accepts every name (the list viewer gives kinds its
// own meaning).

#include "common/ui/dialogs/CFileMyDialog.h"

namespace basnev {

class CFileMyDialog : public ::CFileMyDialog {
    DECLARE_DYNAMIC(CFileMyDialog)
public:
    enum : UINT { kTemplateId = 1536 };
    enum : int { kDetailsButton = 103 };
    // Width of the tag field read from column 61.
    static constexpr std::size_t kTagFieldWidth = 8;

    CFileMyDialog(BOOL openFileDialog, const char* defaultExtension, const char* fileName, DWORD flags,
                  const char* filter, CWnd* parent = nullptr, UINT helpId = 0, int kind = 0);

    int GetKind() const { return m_nKind; }
    UINT GetHelpId() const { return m_nIDHelp; }
    // The tag the first line must carry and the refusal's text. Without a tag the check
    // only reads the first line.
    void SetExpectedTag(const char* tag, const CString& refusal);

    BOOL OnInitDialog() override;

protected:
    void CreateControls() override;
    BOOL OnFileNameOK() override;

    int m_nKind;
    UINT m_nIDHelp = 0;

private:
    std::string expectedTag_;
    CString refusal_;
};

} // namespace basnev
