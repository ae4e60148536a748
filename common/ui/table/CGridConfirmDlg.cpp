#include "common/ui/table/CGridConfirmDlg.h"

#include "platform/ui/QtText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CGridConfirmDlg::CGridConfirmDlg(CWnd* parent, const CString& message)
    : CDialog(913, parent), message_(message) {}

void CGridConfirmDlg::CreateControls() {
    auto* layout = new QVBoxLayout(GetWidget());
    layout->addWidget(AddControl(923, new QLabel));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setDefault(true);
    buttons->addWidget(AddControl(IDOK, ok));
    buttons->addWidget(AddControl(IDCANCEL, new QPushButton(platform::ToQString(u8"戻る"))));
    layout->addLayout(buttons);
}

BOOL CGridConfirmDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(CString(u8"確認メッセージ"));
    SetDlgItemText(923, message_);
    return TRUE;
}
