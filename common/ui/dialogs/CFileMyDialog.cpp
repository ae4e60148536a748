#include "common/ui/dialogs/CFileMyDialog.h"

#include "common/records/DataFileSyntax.h"
#include "common/ui/dialogs/DataFileCheck.h"
#include "platform/core/MessageSink.h"

IMPLEMENT_DYNAMIC(CFileMyDialog, CFileDialog)

namespace {

CString& LastDirectory() {
    static CString directory;
    return directory;
}

} // namespace

CFileMyDialog::CFileMyDialog(BOOL openFileDialog, const char* defaultExtension, const char* fileName,
                             DWORD flags, const char* filter, CWnd* parent, UINT templateId)
    : CFileDialog(openFileDialog, defaultExtension, fileName, flags, filter, parent),
      formatTags_{kAnalysisTag, kAnalysisTagOld}, refusal_(u8"すべり線解析ﾌｧｲﾙではありません") {
    m_ofn.nTemplateId = templateId;
    if (templateId) {
        m_ofn.Flags |= OFN_ENABLETEMPLATE;
    }
}

const CString& CFileMyDialog::GetLastDirectory() {
    return LastDirectory();
}

void CFileMyDialog::SetLastDirectory(const CString& directory) {
    LastDirectory() = directory;
}

void CFileMyDialog::SetFormatTags(std::vector<std::string> tags, const CString& refusal) {
    formatTags_ = std::move(tags);
    refusal_ = refusal;
}

void CFileMyDialog::OnFolderChange() {
    m_strCurrentDirectory = GetFolderPath();
}

void CFileMyDialog::KeepLastDirectory() const {
    if (!m_strCurrentDirectory.IsEmpty()) {
        LastDirectory() = m_strCurrentDirectory;
    }
}

void CFileMyDialog::OnOK() {
    KeepLastDirectory();
    CFileDialog::OnOK();
}

void CFileMyDialog::OnCancel() {
    KeepLastDirectory();
    CFileDialog::OnCancel();
}

bool CFileMyDialog::ChecksChosenFile() const {
    return m_bOpenFileDialog && (m_ofn.Flags & OFN_FILEMUSTEXIST);
}

BOOL CFileMyDialog::OnFileNameOK() {
    if (!ChecksChosenFile()) {
        return FALSE;
    }
    std::string line;
    if (!ReadFirstDataLine(GetPathName(), line)) {
        return TRUE;
    }
    bool mismatch = false;
    for (const std::string& tag : formatTags_) {
        FormatTagCheck check = CheckFormatTag(line.c_str(), tag.c_str(), true);
        if (check == FormatTagCheck::Match || check == FormatTagCheck::NoTag) {
            return FALSE;
        }
        mismatch = true;
    }
    if (!mismatch) {
        return FALSE;
    }
    AfxMessageBox(refusal_);
    return TRUE;
}
