#include "common/ui/table/CGridFindDlg.h"

#include "platform/ui/QtText.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kTextEdit = 924;
constexpr int kForwardCheck = 925;
constexpr int kMaxTextLength = 30;
} // namespace

CGridFindDlg::CGridFindDlg(CWnd* parent, const CString& text, BOOL forward)
    : CDialog(914, parent), m_text(text), m_bForward(forward) {}

void CGridFindDlg::CreateControls() {
    auto* layout = new QVBoxLayout(GetWidget());
    layout->addWidget(new QLabel(platform::ToQString(u8"検索文字列を指定：")));
    auto* edit = new QLineEdit;
    edit->setMaxLength(kMaxTextLength);
    layout->addWidget(AddControl(kTextEdit, edit));
    layout->addWidget(AddControl(kForwardCheck, new QCheckBox(platform::ToQString(u8"前方方向に検索する"))));
    layout->addLayout(MakeOkCancelRow());
}

BOOL CGridFindDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(CString(u8"文字列の検索"));
    SetDlgItemText(kTextEdit, m_text);
    CheckDlgButton(kForwardCheck, m_bForward ? 1 : 0);
    if (auto* edit = qobject_cast<QLineEdit*>(GetDlgItemWidget(kTextEdit))) {
        edit->selectAll();
        edit->setFocus();
    }
    return FALSE;
}

void CGridFindDlg::OnOK() {
    CString text;
    GetDlgItemText(kTextEdit, text);
    if (text.IsEmpty()) {
        MessageBeep(0);
        if (QWidget* edit = GetDlgItemWidget(kTextEdit)) {
            edit->setFocus();
        }
        return;
    }
    m_text = text;
    m_bForward = IsDlgButtonChecked(kForwardCheck) ? TRUE : FALSE;
    EndDialog(IDOK);
}
