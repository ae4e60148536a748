#include "section_editor/app/CSystemSettingDlg.h"

#include "common/ui/dialogs/DialogPlacement.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace merdok {

IMPLEMENT_DYNAMIC(CSystemSettingDlg, CDialog)

namespace {

constexpr UINT kLimitIds[3] = {CSystemSettingDlg::kNodeLimit, CSystemSettingDlg::kLineLimit,
                               CSystemSettingDlg::kSiteLimit};

QGroupBox* FieldGroup(const char8_t* title, QGridLayout*& fields) {
    auto* group = new QGroupBox(platform::ToQString(title));
    fields = new QGridLayout(group);
    return group;
}

} // namespace

CSystemSettingDlg::CSystemSettingDlg(CWnd* parent) : CDialog(kTemplateId, parent) {}

void CSystemSettingDlg::CreateControls() {
    GetWidget()->setWindowTitle(platform::ToQString(u8"ｼｽﾃﾑ設定(編集･印刷)"));
    auto* layout = new QVBoxLayout(GetWidget());
    auto* editing = new QGroupBox(platform::ToQString(u8"編集時の設定"));
    auto* editingLayout = new QVBoxLayout(editing);
    QGridLayout* limits = nullptr;
    editingLayout->addWidget(FieldGroup(u8"制限", limits));
    const char8_t* limitLabels[3] = {u8"地表点：", u8"地表線：", u8"計測点："};
    for (int i = 0; i < 3; ++i) {
        limits->addWidget(new QLabel(platform::ToQString(limitLabels[i])), i, 0);
        limits->addWidget(AddControl(kLimitIds[i], new QLineEdit), i, 1);
    }
    QGridLayout* thresholds = nullptr;
    editingLayout->addWidget(FieldGroup(u8"生成基準値", thresholds));
    thresholds->addWidget(new QLabel(platform::ToQString(u8"既存点からの距離(m)：")), 0, 0);
    thresholds->addWidget(AddControl(kDistance, new QLineEdit), 0, 1);
    thresholds->addWidget(new QLabel(platform::ToQString(u8"既存線との角度(ﾗｼﾞｱﾝ)：")), 1, 0);
    thresholds->addWidget(AddControl(kAngle, new QLineEdit), 1, 1);
    layout->addWidget(editing);
    layout->addWidget(AddControl(kMonochrome, new QCheckBox(platform::ToQString(u8"ﾓﾉｸﾛ印刷指定"))));
    layout->addLayout(MakeOkCancelRow());
}

int CSystemSettingDlg::DoModal() {
    EnsureCreated();
    OnInitDialog();
    return platform::DialogScript::Exec(*this) == IDOK ? IDOK : IDCANCEL;
}

BOOL CSystemSettingDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    for (int i = 0; i < 3; ++i) {
        limitEdits_[i].SubclassDlgItem(kLimitIds[i], this);
        limitEdits_[i].SetRange(EditSettings::kLowestLimit, EditSettings::kHighestLimit);
        limitEdits_[i].SetValue(m_settings.limits[i]);
    }
    if (!distanceEdit_.SubclassDlgItem(kDistance, this) || !angleEdit_.SubclassDlgItem(kAngle, this)) {
        AfxMessageBox(u8"コントロールエラー　SubclassDlgItem");
    }
    for (CRealEdit* edit : {&distanceEdit_, &angleEdit_}) {
        edit->SetFormat("%.4lf");
    }
    distanceEdit_.SetValue(m_settings.distance);
    angleEdit_.SetValue(m_settings.angle);
    CheckDlgButton(kMonochrome, m_settings.monochrome ? 1U : 0U);
    CenterDialog(*this);
    return TRUE;
}

void CSystemSettingDlg::FocusField(UINT id) {
    if (QWidget* field = GetDlgItemWidget(id)) {
        field->setFocus();
    }
}

bool CSystemSettingDlg::ReadFields(EditSettings& settings) {
    for (int i = 0; i < 3; ++i) {
        if (!limitEdits_[i].CheckValue(settings.limits[i])) {
            FocusField(kLimitIds[i]);
            return false;
        }
    }
    settings.monochrome = IsDlgButtonChecked(kMonochrome) ? 1 : 0;
    if (!distanceEdit_.CheckValue(settings.distance)) {
        FocusField(kDistance);
        return false;
    }
    if (!angleEdit_.CheckValue(settings.angle)) {
        FocusField(kAngle);
        return false;
    }
    return true;
}

void CSystemSettingDlg::OnOK() {
    if (EnterStepsToNextControl()) {
        return; // Enter in a field moves on to the next one
    }
    EditSettings settings = m_settings;
    if (!ReadFields(settings)) {
        return;
    }
    CString message;
    const EditSettings::Field refused = settings.Check(message);
    if (refused != EditSettings::kNoField) {
        AfxMessageBox(message);
        const UINT ids[5] = {kNodeLimit, kLineLimit, kSiteLimit, kDistance, kAngle};
        FocusField(ids[refused]);
        return;
    }
    m_settings = settings;
    EndDialog(IDOK);
}

} // namespace merdok
