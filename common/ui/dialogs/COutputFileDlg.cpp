#include "common/ui/dialogs/COutputFileDlg.h"

#include "common/ui/dialogs/CFileMyDialog.h"
#include "common/ui/dialogs/DialogPlacement.h"
#include "platform/core/CFile.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <climits>
#include <sys/stat.h>

IMPLEMENT_DYNAMIC(COutputFileDlg, CDialog)

namespace {

bool FileExists(const CString& path) {
    struct stat info {};
    return ::stat(CFile::OsPath(path.GetString()).c_str(), &info) == 0;
}

} // namespace

COutputFileDlg::COutputFileDlg(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {
    MapCommand(kBrowseButton, [this] { OnBrowse(); });
}

void COutputFileDlg::CreateControls() {
    auto* layout = new QGridLayout(GetWidget());
    layout->addWidget(AddControl(kPathLabel, new QLabel(platform::ToQString(u8"ﾌｧｲﾙ名:"))), 0, 0);
    layout->addWidget(AddControl(kPathEdit, new QLineEdit), 0, 1);
    layout->addWidget(AddControl(kBrowseButton, new QPushButton(platform::ToQString(u8"参照..."))), 0, 2);
    auto* ok = static_cast<QPushButton*>(AddControl(IDOK, new QPushButton("OK")));
    ok->setDefault(true);
    layout->addWidget(ok, 1, 1, Qt::AlignRight);
    layout->addWidget(AddControl(IDCANCEL, new QPushButton(platform::ToQString(u8"ｷｬﾝｾﾙ"))), 1, 2);
}

bool COutputFileDlg::AskDxfPath(UINT templateId, CWnd* parent, CString& path, const CString& proposed,
                                const CString& caption) {
    COutputFileDlg dialog(templateId, parent);
    dialog.m_strCaption = caption;
    dialog.m_strLabel = CString(u8"DXFﾌｧｲﾙ名");
    dialog.m_strFilter = CString(u8"全てのﾌｧｲﾙ (*.*) |*.*||");
    dialog.m_strPath = path.IsEmpty() ? proposed : path;
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    path = dialog.m_strPath;
    return true;
}

int COutputFileDlg::DoModal() {
    EnsureCreated();
    OnInitDialog();
    return platform::DialogScript::Exec(*this) == IDOK ? IDOK : IDCANCEL;
}

BOOL COutputFileDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    qobject_cast<QLineEdit*>(GetDlgItemWidget(kPathEdit))->setMaxLength(PATH_MAX - 1);
    ShowPath();
    if (!m_strCaption.IsEmpty()) {
        SetWindowText(m_strCaption);
    }
    if (!m_strOkText.IsEmpty()) {
        SetDlgItemText(IDOK, m_strOkText);
    }
    if (!m_strLabel.IsEmpty()) {
        SetDlgItemText(kPathLabel, m_strLabel);
    }
    CenterDialog(*this);
    return TRUE;
}

CString COutputFileDlg::BrowseDirectory() const {
    if (m_strPath.IsEmpty()) {
        return CFileMyDialog::GetLastDirectory();
    }
    const std::string& path = m_strPath.str();
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return CString();
    }
    return CString(path.substr(0, slash == 0 ? 1 : slash)); // the root keeps its "/"
}

void COutputFileDlg::OnBrowse() {
    const CString directory = BrowseDirectory();
    const std::string& path = m_strPath.str();
    const std::size_t slash = path.find_last_of('/');
    const CString name = slash == std::string::npos ? m_strPath : CString(path.substr(slash + 1));
    CFileMyDialog browse(TRUE, nullptr, name.GetString(), OFN_HIDEREADONLY, m_strFilter.GetString(), this,
                         kBrowseTemplateId);
    const CString title(u8"参照");
    browse.m_ofn.lpstrTitle = title.GetString();
    if (!directory.IsEmpty()) {
        browse.m_ofn.lpstrInitialDir = directory.GetString();
    }
    if (browse.DoModal() != IDOK) {
        return;
    }
    m_strPath = browse.GetPathName();
    ShowPath();
}

// The whole path, scrolled to its end: the file's name is what the user checks.
void COutputFileDlg::ShowPath() {
    SetDlgItemText(kPathEdit, m_strPath);
    qobject_cast<QLineEdit*>(GetDlgItemWidget(kPathEdit))->end(false);
}

void COutputFileDlg::OnOK() {
    if (EnterStepsToNextControl()) {
        return; // Enter in a field moves on to the next one
    }
    GetDlgItemText(kPathEdit, m_strPath);
    if (FileExists(m_strPath) &&
        AfxMessageBox(u8"同名ﾌｧｲﾙがあります。\n上書きされますがよろしいですか？", MB_YESNO) == IDNO) {
        return;
    }
    EndDialog(IDOK);
}
