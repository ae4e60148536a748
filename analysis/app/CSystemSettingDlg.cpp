#include "analysis/app/CSystemSettingDlg.h"

#include "common/ui/dialogs/DialogPlacement.h"
#include "common/ui/section/DialogFields.h"
#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace torvan {

CSystemSettingDlg::CSystemSettingDlg(CWnd* parent) : CDialog(kTemplateId, parent) {}

void CSystemSettingDlg::CreateControls() {
    GetWidget()->setWindowTitle(platform::ToQString(u8"ｼｽﾃﾑ設定(編集･印刷)"));
    auto* layout = new QGridLayout(GetWidget());
    auto* group = new QGroupBox(platform::ToQString(u8"生成基準値"));
    auto* fields = new QGridLayout(group);
    fields->addWidget(new QLabel(platform::ToQString(u8"既存点からの距離(m)")), 0, 0);
    fields->addWidget(AddControl(kDistance, new QLineEdit), 0, 1);
    fields->addWidget(new QLabel(platform::ToQString(u8"既存線との角度(ﾗｼﾞｱﾝ)")), 1, 0);
    fields->addWidget(AddControl(kAngle, new QLineEdit), 1, 1);
    layout->addWidget(group, 0, 0);
    layout->addWidget(AddControl(kMonochrome, new QCheckBox(platform::ToQString(u8"ﾓﾉｸﾛ印刷指定"))), 1, 0);
    layout->addLayout(MakeOkCancelRow(), 2, 0);
}

int CSystemSettingDlg::DoModal() {
    EnsureCreated();
    OnInitDialog();
    return platform::DialogScript::Exec(*this) == IDOK ? IDOK : IDCANCEL;
}

BOOL CSystemSettingDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    distance_.SubclassDlgItem(kDistance, this);
    angle_.SubclassDlgItem(kAngle, this);
    for (CRealEdit* edit : {&distance_, &angle_}) {
        edit->SetFormat("%.4lf");
    }
    distance_.SetValue(m_dNewPoint);
    angle_.SetValue(m_dNewLine);
    CheckDlgButton(kMonochrome, m_nMonochrome ? 1 : 0);
    CenterDialog(*this);
    return TRUE;
}

void CSystemSettingDlg::OnOK() {
    if (EnterStepsToNextControl()) {
        return;
    }
    double distance = platform::kUnsetDouble;
    double angle = platform::kUnsetDouble;
    if (!distance_.CheckValue(distance) || !angle_.CheckValue(angle)) {
        return;
    }
    if (platform::IsUnsetDouble(distance) || platform::IsUnsetDouble(angle)) {
        AfxMessageBox(u8"生成基準値が未入力です");
        return;
    }
    // The settings file keeps only a distance above 0: a smaller one would be lost at the next start.
    if (distance <= 0.0) {
        AfxMessageBox(u8"既存点からの距離は0より大きい値を入力して下さい");
        GetDlgItemWidget(kDistance)->setFocus();
        return;
    }
    if (angle < 0.0 || angle >= 1.0) {
        AfxMessageBox(u8"線の傾きの範囲は (0≦α＜1.000)");
        GetDlgItemWidget(kAngle)->setFocus();
        return;
    }
    m_dNewPoint = distance;
    m_dNewLine = angle;
    m_nMonochrome = IsDlgButtonChecked(kMonochrome) ? 1 : 0;
    EndDialog(IDOK);
}

} // namespace torvan
