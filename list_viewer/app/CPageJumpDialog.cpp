#include "list_viewer/app/CPageJumpDialog.h"

#include "list_viewer/app/WenuxIds.h"

#include "platform/core/MessageSink.h"
#include "platform/ui/QtText.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace wenux {

namespace {
constexpr unsigned kLowestPage = 1;
constexpr unsigned kHighestPage = 9999;
} // namespace

CPageJumpDialog::CPageJumpDialog(CWnd* parent) : CListDialog(IDD_PAGE_JUMP, parent) {}

void CPageJumpDialog::CreateControls() {
    QDialog* dialog = Dialog();
    dialog->setWindowTitle(platform::ToQString(u8"指定頁へｼﾞｬﾝﾌﾟ"));
    auto* layout = new QGridLayout(dialog);
    layout->addWidget(new QLabel(platform::ToQString(u8"ﾍﾟｰｼﾞ番号：")), 0, 0);
    layout->addWidget(AddControl(IDC_DIALOG_EDIT, new QLineEdit), 0, 1);
    auto* ok = new QPushButton(QStringLiteral("OK"));
    auto* cancel = new QPushButton(platform::ToQString(u8"ｷｬﾝｾﾙ"));
    ok->setDefault(true);
    layout->addWidget(AddControl(IDOK, ok), 1, 0);
    layout->addWidget(AddControl(IDCANCEL, cancel), 1, 1);
}

BOOL CPageJumpDialog::OnInitDialog() {
    SetDlgItemInt(IDC_DIALOG_EDIT, static_cast<int>(m_nPage), FALSE);
    if (auto* edit = qobject_cast<QLineEdit*>(GetDlgItemWidget(IDC_DIALOG_EDIT))) {
        edit->selectAll();
        edit->setFocus();
    }
    return FALSE;
}

void CPageJumpDialog::OnOK() {
    BOOL translated = FALSE;
    const int value = GetDlgItemInt(IDC_DIALOG_EDIT, &translated, FALSE);
    if (!translated || value < static_cast<int>(kLowestPage) || value > static_cast<int>(kHighestPage)) {
        CString text;
        text.Format(u8"%u から %u までの整数を入力してください。", kLowestPage, kHighestPage);
        AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
        if (auto* edit = qobject_cast<QLineEdit*>(GetDlgItemWidget(IDC_DIALOG_EDIT))) {
            edit->selectAll();
            edit->setFocus();
        }
        return;
    }
    m_nPage = static_cast<unsigned>(value);
    CDialog::OnOK();
}

} // namespace wenux
