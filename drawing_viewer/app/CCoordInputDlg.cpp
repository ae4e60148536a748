#include "drawing_viewer/app/CCoordInputDlg.h"

#include "drawing_viewer/app/DialogEnter.h"

#include "common/ui/dialogs/DialogPlacement.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace zapho {

CCoordInputDlg::CCoordInputDlg(CWnd* parent) : CDialog(kTemplateId, parent) {}

void CCoordInputDlg::CreateControls() {
    GetWidget()->setWindowTitle(platform::ToQString(u8"座標値入力"));
    auto* layout = new QGridLayout(GetWidget());
    layout->addWidget(AddControl(kPrevious, new QLabel), 0, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("X :")), 1, 0);
    layout->addWidget(AddControl(kX, new QLineEdit), 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("Y :")), 2, 0);
    layout->addWidget(AddControl(kY, new QLineEdit), 2, 1);
    layout->addWidget(
        AddControl(kRelative, new QCheckBox(platform::ToQString(u8"直前の点との相対位置入力を有効にする"))),
        3, 0, 1, 2);
    layout->addLayout(MakeOkCancelRow(), 4, 0, 1, 2);
}

int CCoordInputDlg::DoModal() {
    EnsureCreated();
    OnInitDialog();
    return platform::DialogScript::Exec(*this) == IDOK ? IDOK : IDCANCEL;
}

BOOL CCoordInputDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    for (auto [edit, id, value] : {std::tuple{&x_, kX, m_dX}, std::tuple{&y_, kY, m_dY}}) {
        if (!edit->SubclassDlgItem(id, this)) {
            AfxMessageBox(u8"コントロールエラー　SubclassDlgItem");
            continue;
        }
        edit->SetFormat("%.3lf");
        edit->SetValue(value);
    }
    SetDlgItemText(kPrevious, m_strPrevious);
    CheckDlgButton(kRelative, m_bRelative ? 1U : 0U);
    if (m_bFirstPoint) {
        GetDlgItemWidget(kRelative)->hide();
        if (!m_strPrevious.IsEmpty()) {
            GetDlgItemWidget(kX)->hide();
        }
    }
    CenterDialog(*this);
    return TRUE;
}

void CCoordInputDlg::OnOK() {
    if (EnterMovesFocus(*this)) {
        return;
    }
    double x = 0.0, y = 0.0;
    if (!x_.CheckValue(x)) {
        GetDlgItemWidget(kX)->setFocus();
        return;
    }
    if (!y_.CheckValue(y)) {
        GetDlgItemWidget(kY)->setFocus();
        return;
    }
    const bool haveX = !platform::IsUnsetDouble(x);
    const bool haveY = !platform::IsUnsetDouble(y);
    if (!m_bFirstPoint) {
        if (!haveX && !haveY) {
            AfxMessageBox(u8"ＸとＹの座標が共に入力されていません");
            return;
        }
    } else if (!m_strPrevious.IsEmpty() || haveX) {
        if (!haveY) {
            AfxMessageBox(u8"Ｙ座標が入力されていません");
            GetDlgItemWidget(kY)->setFocus();
            return;
        }
    } else {
        AfxMessageBox(u8"Ｘ座標が入力されていません");
        GetDlgItemWidget(kX)->setFocus();
        return;
    }
    m_bRelative = IsDlgButtonChecked(kRelative) != 0 ? TRUE : FALSE;
    m_dX = x;
    m_dY = y;
    EndDialog(IDOK);
}

} // namespace zapho
