#include "analysis/app/CRefFileDlg.h"

#include "common/ui/dialogs/CFileMyDialog.h"
#include "common/ui/dialogs/DialogPlacement.h"
#include "common/ui/section/DialogFields.h"
#include "platform/ui/QtText.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace torvan {

namespace {

constexpr int kNameBoxWidth = 360;

// Without the existing-file flag: the open dialog would check the files for the analysis
// file's format tag.
void BrowseInto(CDialog& dialog, UINT edit, const char8_t* filter) {
    const CString filterText(filter);
    CFileMyDialog browse(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, filterText.GetString(), &dialog);
    const CString directory = CFileMyDialog::GetLastDirectory();
    if (!directory.IsEmpty()) {
        browse.m_ofn.lpstrInitialDir = directory.GetString();
    }
    if (browse.DoModal() == IDOK) {
        dialog.SetDlgItemText(edit, browse.GetPathName());
    }
}

} // namespace

CRefFileDlg::CRefFileDlg(CWnd* parent) : CDialog(kTemplateId, parent) {
    MapCommand(kBrowseSection, [this] { BrowseSectionFile(*this, kSectionFile); });
    MapCommand(kBrowseDisp, [this] { BrowseDispFile(*this, kDispFile); });
}

void CRefFileDlg::BrowseSectionFile(CDialog& dialog, UINT edit) {
    BrowseInto(dialog, edit, u8"断面ﾓﾃﾞﾙﾌｧｲﾙ (*.sec)|*.sec|全てのﾌｧｲﾙ (*.*)|*.*||");
}

void CRefFileDlg::BrowseDispFile(CDialog& dialog, UINT edit) {
    BrowseInto(dialog, edit, u8"変位ﾃﾞｰﾀﾌｧｲﾙ (*.dis)|*.dis|全てのﾌｧｲﾙ (*.*)|*.*||");
}

void CRefFileDlg::CreateControls() {
    GetWidget()->setWindowTitle(platform::ToQString(u8"参照ﾌｧｲﾙ名"));
    auto* layout = new QGridLayout(GetWidget());
    const struct {
        UINT edit;
        UINT browse;
        const char8_t* label;
    } rows[] = {{kSectionFile, kBrowseSection, u8"断面ﾓﾃﾞﾙﾌｧｲﾙ"}, {kDispFile, kBrowseDisp, u8"変位ﾃﾞｰﾀﾌｧｲﾙ"}};
    int row = 0;
    for (const auto& item : rows) {
        layout->addWidget(new QLabel(platform::ToQString(item.label)), row, 0);
        auto* name = new QLineEdit;
        name->setMinimumWidth(kNameBoxWidth);
        layout->addWidget(AddControl(item.edit, name), row, 1);
        layout->addWidget(AddControl(item.browse, new QPushButton(platform::ToQString(u8"参照..."))), row, 2);
        ++row;
    }
    layout->addLayout(MakeOkCancelRow(), row, 1, 1, 2);
}

BOOL CRefFileDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(kSectionFile, m_strSectionFile);
    SetDlgItemText(kDispFile, m_strDispFile);
    for (UINT id : {UINT(kSectionFile), UINT(kDispFile)}) {
        qobject_cast<QLineEdit*>(GetDlgItemWidget(id))->end(false); // a long path shows its name
    }
    CenterDialog(*this);
    return TRUE;
}

void CRefFileDlg::OnOK() {
    if (EnterStepsToNextControl()) {
        return;
    }
    GetDlgItemText(kSectionFile, m_strSectionFile);
    GetDlgItemText(kDispFile, m_strDispFile);
    CDialog::OnOK();
}

} // namespace torvan
