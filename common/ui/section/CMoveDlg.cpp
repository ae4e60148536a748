#include "common/ui/section/CMoveDlg.h"

#include "common/ui/dialogs/DialogPlacement.h"
#include "common/ui/section/DialogFields.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

IMPLEMENT_DYNAMIC(CMoveDlg, CDialog)

CMoveDlg::CMoveDlg(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}

void CMoveDlg::CreateControls() {
    GetWidget()->setWindowTitle(platform::ToQString(u8"移動量入力"));
    auto* layout = new QGridLayout(GetWidget());
    layout->addWidget(new QLabel(platform::ToQString(u8"X方向(m)：")), 0, 0);
    layout->addWidget(AddControl(kDx, new QLineEdit), 0, 1);
    layout->addWidget(new QLabel(platform::ToQString(u8"Y方向(m)：")), 1, 0);
    layout->addWidget(AddControl(kDy, new QLineEdit), 1, 1);
    layout->addLayout(MakeOkCancelRow(), 2, 0, 1, 2);
}

int CMoveDlg::DoModal() {
    EnsureCreated();
    OnInitDialog();
    return platform::DialogScript::Exec(*this) == IDOK ? IDOK : IDCANCEL;
}

BOOL CMoveDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (section::AttachEdit(xEdit_, kDx, *this)) {
        xEdit_.SetFormat("%.3lf");
        xEdit_.SetValue(m_dX);
    }
    if (section::AttachEdit(yEdit_, kDy, *this)) {
        yEdit_.SetFormat("%.3lf");
        yEdit_.SetValue(m_dY);
    }
    CenterDialog(*this);
    return TRUE;
}

void CMoveDlg::OnOK() {
    if (EnterStepsToNextControl()) {
        return;
    }
    double dx = platform::kUnsetDouble;
    double dy = platform::kUnsetDouble;
    if (!xEdit_.CheckValue(dx)) {
        GetDlgItemWidget(kDx)->setFocus();
        return;
    }
    if (!yEdit_.CheckValue(dy)) {
        GetDlgItemWidget(kDy)->setFocus();
        return;
    }
    if (platform::IsUnsetDouble(dx) && platform::IsUnsetDouble(dy)) {
        AfxMessageBox(u8"移動量が未入力です");
        return;
    }
    m_dX = dx;
    m_dY = dy;
    EndDialog(IDOK);
}
