#include "common/ui/section/CTitleSettingDlg.h"

#include "common/ui/dialogs/CFileMyDialog.h"
#include "common/ui/dialogs/DialogPlacement.h"
#include "common/ui/section/DialogFields.h"
#include "platform/core/CFile.h"
#include "platform/core/CodePage.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string_view>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CTitleSettingDlg, CDialog)

namespace {

constexpr int kPathLimit = 128;
constexpr int kHighestCount = 100;
const char8_t kTitleFilter[] = u8"ﾀｲﾄﾙ ﾌｧｲﾙ (*.idx) |*.idx||";

// A blank or a full-width blank anywhere in the path (the latter on a character boundary).
bool HasBlank(const CString& path) {
    const std::string_view text(path.GetString());
    for (std::size_t i = 0; i < text.size(); i += platform::Cp932CharLength(text, i)) {
        if (text[i] == ' ' || text.substr(i, 2) == "\x81\x40") {
            return true;
        }
    }
    return false;
}

bool Readable(const CString& path) {
    return ::access(CFile::OsPath(path.GetString()).c_str(), R_OK) == 0;
}

} // namespace

CTitleSettingDlg::CTitleSettingDlg(UINT automaticCheck, UINT browseButton, CWnd* parent)
    : CDialog(kTemplateId, parent), automaticCheck_(automaticCheck), browseButton_(browseButton) {
    MapCommand(browseButton_, [this] { OnBrowse(); });
}

void CTitleSettingDlg::CreateControls() {
    GetWidget()->setWindowTitle(platform::ToQString(u8"タイトル登録の設定"));
    auto* layout = new QGridLayout(GetWidget());
    layout->addWidget(new QLabel(platform::ToQString(u8"登録ﾌｧｲﾙ名：")), 0, 0);
    auto* path = new QLineEdit;
    path->setMinimumWidth(320);
    layout->addWidget(AddControl(kPath, path), 0, 1);
    layout->addWidget(AddControl(browseButton_, new QPushButton(platform::ToQString(u8"参照..."))), 0, 2);
    layout->addWidget(AddControl(automaticCheck_, new QCheckBox(platform::ToQString(
                                                      u8"各ﾀｲﾄﾙ項目で入力された文字列を自動登録する"))),
                      1, 0, 1, 3);
    layout->addWidget(new QLabel(platform::ToQString(u8"自動登録時の最大ﾀｲﾄﾙ数：")), 2, 0);
    layout->addWidget(AddControl(kMaxCount, new QLineEdit), 2, 1);
    layout->addLayout(MakeOkCancelRow(), 3, 0, 1, 3);
}

int CTitleSettingDlg::DoModal() {
    EnsureCreated();
    OnInitDialog();
    return platform::DialogScript::Exec(*this) == IDOK ? IDOK : IDCANCEL;
}

BOOL CTitleSettingDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (auto* path = qobject_cast<QLineEdit*>(GetDlgItemWidget(kPath))) {
        path->setMaxLength(kPathLimit);
    }
    SetDlgItemText(kPath, m_strPath);
    CheckDlgButton(automaticCheck_, m_bAutomatic ? 1 : 0);
    if (section::AttachEdit(countEdit_, kMaxCount, *this)) {
        countEdit_.SetRange(1, kHighestCount);
        countEdit_.SetValue(m_nMaxCount);
    }
    CenterDialog(*this);
    return TRUE;
}

void CTitleSettingDlg::OnBrowse() {
    CString path;
    GetDlgItemText(kPath, path);
    const CString filter(kTitleFilter);
    CFileMyDialog dialog(TRUE, nullptr, path.IsEmpty() ? nullptr : path.GetString(), OFN_HIDEREADONLY,
                         filter.GetString(), this);
    if (dialog.DoModal() != IDOK) {
        return;
    }
    SetDlgItemText(kPath, dialog.GetPathName());
}

bool CTitleSettingDlg::IsTitleFilePath(const CString& path, const char* exactExtension) {
    if (path.IsEmpty() || HasBlank(path)) {
        return false;
    }
    const int dot = path.ReverseFind('.');
    if (dot < 0 || path.Find('/', dot) >= 0) {
        return false;
    }
    if (exactExtension) {
        return path.Mid(dot) == exactExtension;
    }
    CString extension = path.Mid(dot, 3);
    extension.MakeLower();
    return extension == ".id";
}

void CTitleSettingDlg::OnOK() {
    if (EnterStepsToNextControl()) {
        return;
    }
    CString path;
    GetDlgItemText(kPath, path);
    int count = m_nMaxCount;
    if (!countEdit_.CheckValue(count)) {
        GetDlgItemWidget(kMaxCount)->setFocus();
        return;
    }
    if (!IsTitleFilePath(path, m_pszExactExtension)) {
        // A program that takes one extension only says why it refuses the name; the ".id"
        // rule keeps refusing silently.
        if (m_pszExactExtension && !path.IsEmpty() && !HasBlank(path)) {
            AfxMessageBox(u8"ﾌｧｲﾙ拡張子が間違っています !!!");
            GetDlgItemWidget(kPath)->setFocus();
        }
        return;
    }
    if (!Readable(path) && AfxMessageBox(u8"指定ﾌｧｲﾙが見つかりません。\n新規に作成してもよろしいですか？",
                                         MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    m_strPath = path;
    m_bAutomatic = IsDlgButtonChecked(automaticCheck_) ? TRUE : FALSE;
    m_nMaxCount = count;
    EndDialog(IDOK);
}
