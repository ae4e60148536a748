#include "list_viewer/app/OpenFilePrompt.h"

#include "list_viewer/core/DocumentTypes.h"

#include "common/ui/dialogs/basnev/CFileMyDialog.h"

namespace wenux {

namespace {

// The base menu's dialog of kind 2: any existing file may be shown (the viewer opens every
// kind of text), and the details button, which only the base menu's kinds use, never shows.
class CListOpenDialog : public basnev::CFileMyDialog {
public:
    enum : int { kOpenKind = 2 };

    CListOpenDialog(const char* filter, CWnd* parent)
        : basnev::CFileMyDialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, filter, parent,
                                0, kOpenKind) {}

    BOOL OnInitDialog() override {
        const BOOL result = basnev::CFileMyDialog::OnInitDialog();
        if (GetKind() == 2 || GetKind() == 4) {
            GetDlgItemWidget(kDetailsButton)->hide();
        }
        return result;
    }
};

} // namespace

CString OpenDialogFilter() {
    CString filter;
    for (const DocumentTypeInfo& type : DocumentTypes()) {
        // The fourth field of the template string is the filter's name.
        CString fields(type.templateString);
        CString name;
        for (int field = 0, start = 0; field <= 3; ++field) {
            const int end = fields.Find('\n', start);
            name = fields.Mid(start, end < 0 ? fields.GetLength() - start : end - start);
            start = end + 1;
        }
        filter += name + "|*" + CString(type.extension) + "|";
    }
    return filter + "|";
}

CString StartDirectory(const CString& initialDirectory) {
    CString directory = initialDirectory;
    if (directory.GetLength() > 1 && directory.Right(1) == "/") {
        directory = directory.Left(directory.GetLength() - 1);
    }
    return directory;
}

bool PromptOpenFileName(CWnd* owner, ProgramState& state, CString& path) {
    const CString filter = OpenDialogFilter();
    CListOpenDialog dialog(filter.GetString(), owner);
    const CString title(u8"開く");
    const CString start = StartDirectory(state.initialDirectory);
    dialog.m_ofn.lpstrTitle = title.GetString();
    if (!start.IsEmpty()) {
        dialog.m_ofn.lpstrInitialDir = start.GetString();
    }
    dialog.m_ofn.nFilterIndex = static_cast<DWORD>(state.commandLineType > 1 ? state.commandLineType : 1);
    const int result = dialog.DoModal();
    if (!dialog.GetCurrentDirectoryText().IsEmpty()) {
        state.initialDirectory = dialog.GetCurrentDirectoryText();
    }
    if (result != IDOK) {
        return false;
    }
    path = dialog.GetPathName();
    return true;
}

} // namespace wenux
