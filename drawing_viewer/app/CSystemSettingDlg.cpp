#include "drawing_viewer/app/CSystemSettingDlg.h"

#include "drawing_viewer/app/DialogEnter.h"

#include "common/records/TextHelpers.h"
#include "common/ui/dialogs/DialogPlacement.h"
#include "platform/core/CodePage.h"
#include "platform/core/DiskNames.h"
#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"
#include "platform/ui/CFileDialog.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <strings.h>
#include <unistd.h>

namespace zapho {

namespace {

QString Text(const char8_t* text) {
    return platform::ToQString(text);
}

// A half-width blank or a full-width one, character by character.
bool HoldsBlank(const CString& text) {
    const std::string& bytes = text.str();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == ' ') {
            return true;
        }
        if (platform::IsCp932LeadByte(byte) && i + 1 < bytes.size()) {
            if (byte == 0x81 && static_cast<unsigned char>(bytes[i + 1]) == 0x40) {
                return true;
            }
            ++i;
        }
    }
    return false;
}

} // namespace

CSystemSettingDlg::CSystemSettingDlg(CWnd* parent) : CDialog(kTemplateId, parent) {
    MapCommand(kBrowse, [this] { OnBrowse(); });
}

void CSystemSettingDlg::CreateControls() {
    GetWidget()->setWindowTitle(Text(u8"システム設定"));
    auto* layout = new QGridLayout(GetWidget());
    auto* list = new QGroupBox(Text(u8"文字列一覧"));
    auto* listLayout = new QGridLayout(list);
    auto* file = new QLineEdit;
    file->setMaxLength(kFileLimit);
    file->setMinimumWidth(320);
    listLayout->addWidget(new QLabel(Text(u8"ﾌｧｲﾙ名：")), 0, 0);
    listLayout->addWidget(AddControl(kFile, file), 0, 1);
    listLayout->addWidget(AddControl(kBrowse, new QPushButton(Text(u8"参照..."))), 0, 2);
    listLayout->addWidget(AddControl(kAutomatic, new QCheckBox(Text(u8"入力項目で指定文字列を自動登録する"))),
                          1, 0, 1, 3);
    listLayout->addWidget(new QLabel(Text(u8"自動登録可能な文字列の最大個数：")), 2, 0, 1, 2);
    listLayout->addWidget(AddControl(kMaxCount, new QLineEdit), 2, 2);
    auto* print = new QGroupBox(Text(u8"印刷設定"));
    auto* printLayout = new QGridLayout(print);
    printLayout->addWidget(AddControl(kMonochrome, new QCheckBox(Text(u8"ﾓﾉｸﾛ印刷指定"))), 0, 0);
    printLayout->addWidget(AddControl(kReverse, new QCheckBox(Text(u8"文字回転角の正方向を逆にする"))), 1, 0);
    layout->addWidget(list, 0, 0);
    layout->addWidget(print, 1, 0);
    layout->addLayout(MakeOkCancelRow(), 2, 0);
}

int CSystemSettingDlg::DoModal() {
    EnsureCreated();
    OnInitDialog();
    return platform::DialogScript::Exec(*this) == IDOK ? IDOK : IDCANCEL;
}

BOOL CSystemSettingDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!maxCount_.SubclassDlgItem(kMaxCount, this)) {
        AfxMessageBox(u8"コントロールエラー　SubclassDlgItem");
    }
    maxCount_.SetRange(1, 100);
    maxCount_.SetValue(m_nMaxCount);
    SetDlgItemText(kFile, m_strTitleFile);
    CheckDlgButton(kAutomatic, m_nAutomatic ? 1U : 0U);
    CheckDlgButton(kMonochrome, m_nMonochrome ? 1U : 0U);
    CheckDlgButton(kReverse, m_nReverse ? 1U : 0U);
    CenterDialog(*this);
    return TRUE;
}

bool CSystemSettingDlg::IsAcceptableName(const CString& name) {
    CString trimmed = name;
    trimmed.Trim();
    if (trimmed.IsEmpty() || HoldsBlank(trimmed)) {
        return false;
    }
    CString extension;
    SplitPath(trimmed.GetString(), nullptr, nullptr, &extension);
    return extension.GetLength() >= 3 && strncasecmp(extension.GetString(), ".id", 3) == 0;
}

void CSystemSettingDlg::OnOK() {
    if (EnterMovesFocus(*this)) {
        return;
    }
    int maxCount = 0;
    if (!maxCount_.CheckValue(maxCount) || platform::IsUnsetInt(maxCount)) {
        GetDlgItemWidget(kMaxCount)->setFocus();
        return;
    }
    CString name;
    GetDlgItemText(kFile, name);
    if (!IsAcceptableName(name)) {
        return;
    }
    if (!platform::IsReadableFile(name) &&
        AfxMessageBox(u8"指定ﾌｧｲﾙが見つかりません。\n新規に作成してもよろしいですか？",
                      MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    m_strTitleFile = name;
    m_nMaxCount = maxCount;
    m_nAutomatic = IsDlgButtonChecked(kAutomatic) != 0 ? 1 : 0;
    m_nMonochrome = IsDlgButtonChecked(kMonochrome) != 0 ? 1 : 0;
    m_nReverse = IsDlgButtonChecked(kReverse) != 0 ? 1 : 0;
    EndDialog(IDOK);
}

void CSystemSettingDlg::OnBrowse() {
    CString current;
    GetDlgItemText(kFile, current);
    const CString filter(u8"文字列一覧ﾌｧｲﾙ (*.idx) |*.idx||");
    const CString title(u8"参照");
    CFileDialog dialog(TRUE, nullptr, current.GetString(), OFN_HIDEREADONLY, filter.GetString(), this);
    dialog.m_ofn.lpstrTitle = title.GetString();
    if (dialog.DoModal() == IDOK) {
        // Linux names are case-sensitive: the path is shown as chosen.
        SetDlgItemText(kFile, dialog.GetPathName());
    }
}

} // namespace zapho
