#include "list_viewer/app/CSearchStringDialog.h"

#include "list_viewer/app/WenuxIds.h"

#include "platform/ui/QtText.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace wenux {

namespace {
constexpr int kMaxSearchCharacters = 128;
} // namespace

CSearchStringDialog::CSearchStringDialog(CWnd* parent) : CListDialog(IDD_SEARCH_STRING, parent) {}

void CSearchStringDialog::CreateControls() {
    QDialog* dialog = Dialog();
    dialog->setWindowTitle(platform::ToQString(u8"文字列の検索"));
    auto* layout = new QGridLayout(dialog);
    layout->addWidget(new QLabel(platform::ToQString(u8"検索文字列：")), 0, 0);
    auto* edit = new QLineEdit;
    edit->setMaxLength(kMaxSearchCharacters);
    edit->setMinimumWidth(320);
    layout->addWidget(AddControl(IDC_DIALOG_EDIT, edit), 0, 1, 1, 3);
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setDefault(true);
    layout->addWidget(AddControl(IDOK, ok), 1, 1);
    layout->addWidget(AddControl(IDCANCEL, new QPushButton(platform::ToQString(u8"ｷｬﾝｾﾙ"))), 1, 2);
    // Help has no help file to show on this system.
    auto* help = new QPushButton(platform::ToQString(u8"ﾍﾙﾌﾟ(H)"));
    help->setEnabled(false);
    layout->addWidget(AddControl(IDC_HELP_BUTTON, help), 1, 3);
}

BOOL CSearchStringDialog::OnInitDialog() {
    SetDlgItemText(IDC_DIALOG_EDIT, m_strText);
    if (auto* edit = qobject_cast<QLineEdit*>(GetDlgItemWidget(IDC_DIALOG_EDIT))) {
        edit->selectAll();
        edit->setFocus();
    }
    return FALSE;
}

void CSearchStringDialog::OnOK() {
    GetDlgItemText(IDC_DIALOG_EDIT, m_strText);
    CDialog::OnOK();
}

} // namespace wenux
