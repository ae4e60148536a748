#include "common/ui/dialogs/basnev/CFileMyDialog.h"

#include "common/ui/dialogs/DataFileCheck.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/QtText.h"

#include <QPushButton>
#include <strings.h>

namespace basnev {

// Written out: the base class has the same name in the global namespace.
const CRuntimeClass CFileMyDialog::classCFileMyDialog = {"CFileMyDialog", nullptr,
                                                         &::CFileMyDialog::classCFileMyDialog};
const CRuntimeClass* CFileMyDialog::GetRuntimeClass() const {
    return &classCFileMyDialog;
}

CFileMyDialog::CFileMyDialog(BOOL openFileDialog, const char* defaultExtension, const char* fileName,
                             DWORD flags, const char* filter, CWnd* parent, UINT helpId, int kind)
    : ::CFileMyDialog(openFileDialog, defaultExtension, fileName, flags, filter, parent, kTemplateId),
      m_nKind(kind) {
    m_ofn.Flags &= ~static_cast<DWORD>(OFN_EXPLORER);
    if (helpId) {
        m_nIDHelp = helpId;
    }
}

void CFileMyDialog::SetExpectedTag(const char* tag, const CString& refusal) {
    expectedTag_ = tag ? tag : "";
    refusal_ = refusal;
}

void CFileMyDialog::CreateControls() {
    ::CFileMyDialog::CreateControls();
    AddExtraControl(kDetailsButton, new QPushButton(platform::ToQString(u8"詳細...")));
}

BOOL CFileMyDialog::OnInitDialog() {
    if (!m_bOpenFileDialog) {
        GetDlgItemWidget(kDetailsButton)->hide();
    }
    return ::CFileMyDialog::OnInitDialog();
}

BOOL CFileMyDialog::OnFileNameOK() {
    if (m_nKind != 0 || !ChecksChosenFile()) {
        return FALSE;
    }
    std::string line;
    if (!ReadFirstDataLine(GetPathName(), line)) {
        return TRUE;
    }
    if (line.starts_with('*') || expectedTag_.empty()) {
        return FALSE;
    }
    // The field may hold a version after the tag ("ABCDE001" for the tag "ABCDE").
    const std::string field = TagField(line, kTagFieldWidth);
    if (field.size() >= expectedTag_.size() &&
        strncasecmp(field.c_str(), expectedTag_.c_str(), expectedTag_.size()) == 0) {
        return FALSE;
    }
    AfxMessageBox(refusal_);
    return TRUE;
}

} // namespace basnev
