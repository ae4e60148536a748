#include "common/ui/section/CSelectTargetDlg.h"

#include "common/ui/dialogs/DialogPlacement.h"
#include "platform/ui/QtText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>

IMPLEMENT_DYNAMIC(CSelectTargetDlg, CDialog)

CSelectTargetDlg::CSelectTargetDlg(const std::array<UINT, kTargets>& checks, UINT allButton, CWnd* parent)
    : CDialog(kTemplateId, parent), checks_(checks), allButton_(allButton) {
    MapCommand(allButton_, [this] { OnSelectAll(); });
}

void CSelectTargetDlg::CreateControls() {
    GetWidget()->setWindowTitle(platform::ToQString(u8"選択時の対象 指定"));
    auto* layout = new QGridLayout(GetWidget());
    const char8_t* labels[kTargets] = {u8"地表点", u8"地表線", u8"計測点", u8"境界点"};
    for (int i = 0; i < kTargets; ++i) {
        layout->addWidget(AddControl(checks_[i], new QCheckBox(platform::ToQString(labels[i]))), i, 0);
    }
    layout->addWidget(AddControl(allButton_, new QPushButton(platform::ToQString(u8"全指定"))), 0, 1);
    layout->addLayout(MakeOkCancelRow(), kTargets, 0, 1, 2);
}

BOOL CSelectTargetDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    for (int i = 0; i < kTargets; ++i) {
        CheckDlgButton(checks_[i], m_bTarget[i] ? 1 : 0);
    }
    CenterDialog(*this);
    return TRUE;
}

void CSelectTargetDlg::OnOK() {
    for (int i = 0; i < kTargets; ++i) {
        m_bTarget[i] = IsDlgButtonChecked(checks_[i]) ? TRUE : FALSE;
    }
    CDialog::OnOK();
}

void CSelectTargetDlg::OnSelectAll() {
    for (UINT check : checks_) {
        CheckDlgButton(check, 1);
    }
    OnOK();
}
