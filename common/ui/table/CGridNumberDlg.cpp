#include "common/ui/table/CGridNumberDlg.h"

#include "common/ui/table/CGridDlg.h"
#include "platform/ui/QtText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <climits>

namespace {
// A sign and digits, nothing else: "12x" is not 12.
bool IsWholeInt(const CString& text) {
    int start = text.GetLength() > 0 && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (start >= text.GetLength()) {
        return false;
    }
    for (int i = start; i < text.GetLength(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
    }
    return true;
}
} // namespace

CGridNumberDlg::CGridNumberDlg(CGridDlg* table, const Form& form, int number)
    : CDialog(form.templateId, table), m_nNumber(number), table_(table), form_(form) {}

void CGridNumberDlg::CreateControls() {
    auto* layout = new QVBoxLayout(GetWidget());
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(platform::ToQString(CString(form_.label))));
    row->addWidget(AddControl(form_.editId, new QLineEdit));
    layout->addLayout(row);
    layout->addLayout(MakeOkCancelRow());
}

BOOL CGridNumberDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(CString(form_.caption));
    SetDlgItemInt(form_.editId, m_nNumber);
    if (auto* edit = qobject_cast<QLineEdit*>(GetDlgItemWidget(form_.editId))) {
        edit->selectAll();
        edit->setFocus();
    }
    return FALSE;
}

void CGridNumberDlg::Refuse(const CString& message) {
    if (table_) {
        table_->ShowMessage(message);
    } else {
        AfxMessageBox(message);
    }
    if (auto* edit = qobject_cast<QLineEdit*>(GetDlgItemWidget(form_.editId))) {
        edit->selectAll();
        edit->setFocus();
    }
}

void CGridNumberDlg::OnOK() {
    BOOL translated = FALSE;
    const int number = GetDlgItemInt(form_.editId, &translated);
    CString text;
    GetDlgItemText(form_.editId, text);
    text.Trim();
    if (!translated || !IsWholeInt(text) || text.GetLength() > 10) {
        Refuse(CString(u8"整数を入力してください。"));
        return;
    }
    if (number < form_.minimum || number > form_.maximum) {
        Refuse(CString(form_.rangeMessage));
        return;
    }
    m_nNumber = number;
    EndDialog(IDOK);
}
