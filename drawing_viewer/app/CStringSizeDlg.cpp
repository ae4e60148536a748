#include "drawing_viewer/app/CStringSizeDlg.h"

#include "drawing_viewer/app/DialogEnter.h"

#include "common/ui/dialogs/DialogPlacement.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace zapho {

CStringSizeDlg::CStringSizeDlg(CWnd* parent) : CDialog(kTemplateId, parent) {}

void CStringSizeDlg::CreateControls() {
    GetWidget()->setWindowTitle(platform::ToQString(u8"文字ｻｲｽﾞ変更"));
    auto* layout = new QGridLayout(GetWidget());
    layout->addWidget(new QLabel(platform::ToQString(u8"文字ｻｲｽﾞ(mm)：")), 0, 0);
    layout->addWidget(AddControl(kSize, new QLineEdit), 0, 1);
    layout->addLayout(MakeOkCancelRow(), 1, 0, 1, 2);
}

int CStringSizeDlg::DoModal() {
    EnsureCreated();
    OnInitDialog();
    return platform::DialogScript::Exec(*this) == IDOK ? IDOK : IDCANCEL;
}

BOOL CStringSizeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!size_.SubclassDlgItem(kSize, this)) {
        AfxMessageBox(u8"コントロールエラー　SubclassDlgItem");
    }
    size_.SetFormat("%.1lf");
    size_.SetRange(kSmallestSize, platform::kExtentLimit);
    size_.SetValue(m_dSize);
    CenterDialog(*this);
    return TRUE;
}

void CStringSizeDlg::OnOK() {
    if (EnterMovesFocus(*this)) {
        return;
    }
    double size = 0.0;
    if (!size_.CheckValue(size)) {
        GetDlgItemWidget(kSize)->setFocus();
        return;
    }
    if (platform::IsUnsetDouble(size)) {
        AfxMessageBox(u8"ｻｲｽﾞが未入力です");
        return;
    }
    m_dSize = size;
    EndDialog(IDOK);
}

} // namespace zapho
