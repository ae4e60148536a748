#include "analysis/app/CTitleRefDlg.h"

#include "analysis/app/CRefFileDlg.h"

#include "common/ui/dialogs/DialogPlacement.h"
#include "common/ui/section/DialogFields.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace torvan {

CTitleRefDlg::CTitleRefDlg(CWnd* parent) : CDialog(kTemplateId, parent) {
    MapCommand(kBrowseSection, [this] { CRefFileDlg::BrowseSectionFile(*this, kSectionFile); });
    MapCommand(kBrowseDisp, [this] { CRefFileDlg::BrowseDispFile(*this, kDispFile); });
    MapCommand(kUpdateButton, [this] { Finish(kUpdateFiles); });
}

void CTitleRefDlg::CreateControls() {
    GetWidget()->setWindowTitle(platform::ToQString(u8"タイトルと参照ﾌｧｲﾙ"));
    auto* layout = new QGridLayout(GetWidget());
    layout->addWidget(new QLabel(platform::ToQString(u8"ﾀｲﾄﾙ")), 0, 0);
    auto* title = new QComboBox;
    title->setEditable(true);
    title->setMinimumWidth(360);
    layout->addWidget(AddControl(kTitle, title), 0, 1, 1, 2);
    layout->addWidget(new QLabel(platform::ToQString(u8"断面ﾓﾃﾞﾙﾌｧｲﾙ")), 1, 0);
    layout->addWidget(AddControl(kSectionFile, new QLineEdit), 1, 1);
    layout->addWidget(AddControl(kBrowseSection, new QPushButton(platform::ToQString(u8"参照..."))), 1, 2);
    layout->addWidget(new QLabel(platform::ToQString(u8"変位ﾃﾞｰﾀﾌｧｲﾙ")), 2, 0);
    layout->addWidget(AddControl(kDispFile, new QLineEdit), 2, 1);
    layout->addWidget(AddControl(kBrowseDisp, new QPushButton(platform::ToQString(u8"参照..."))), 2, 2);
    layout->addWidget(AddControl(kUpdateButton, new QPushButton(platform::ToQString(u8"ﾌｧｲﾙ更新"))), 3, 0);
    layout->addLayout(MakeOkCancelRow(), 3, 1, 1, 2);
}

int CTitleRefDlg::DoModal() {
    EnsureCreated();
    OnInitDialog();
    const int result = platform::DialogScript::Exec(*this);
    return result == IDOK || result == kUpdateFiles ? result : IDCANCEL;
}

BOOL CTitleRefDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_titles.FillComboBox(qobject_cast<QComboBox*>(GetDlgItemWidget(kTitle)));
    SetDlgItemText(kTitle, m_strTitle);
    SetDlgItemText(kSectionFile, m_strSectionFile);
    SetDlgItemText(kDispFile, m_strDispFile);
    for (UINT id : {UINT(kSectionFile), UINT(kDispFile)}) {
        qobject_cast<QLineEdit*>(GetDlgItemWidget(id))->end(false); // a long path shows its name
    }
    CenterDialog(*this);
    return TRUE;
}

void CTitleRefDlg::OnOK() {
    if (!EnterStepsToNextControl()) {
        Finish(IDOK);
    }
}

void CTitleRefDlg::Finish(int code) {
    GetDlgItemText(kTitle, m_strTitle);
    GetDlgItemText(kSectionFile, m_strSectionFile);
    GetDlgItemText(kDispFile, m_strDispFile);
    m_titles.Register({m_strTitle});
    EndDialog(code);
}

} // namespace torvan
