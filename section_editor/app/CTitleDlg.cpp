#include "section_editor/app/CTitleDlg.h"

#include "common/records/CTitleFile.h"
#include "common/ui/dialogs/DialogPlacement.h"
#include "common/ui/section/DialogFields.h"
#include "platform/core/CFile.h"
#include "platform/core/DiskNames.h"
#include "platform/ui/QtText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <unistd.h>

namespace merdok {

IMPLEMENT_DYNAMIC(CTitleDlg, CDialog)

namespace {

constexpr int kTitleLimit = 40;

// Adapts the title combo box to the title file's filling.
struct ComboFill {
    QComboBox* box;
    void AddString(const CString& text) const { box->addItem(platform::ToQString(text)); }
    void SetCurSel(int index) const { box->setCurrentIndex(index); }
};

} // namespace

CTitleDlg::CTitleDlg(CWnd* parent) : CDialog(kTemplateId, parent) {}

CTitleDlg::~CTitleDlg() = default;

void CTitleDlg::CreateControls() {
    GetWidget()->setWindowTitle(platform::ToQString(u8"タイトル"));
    auto* layout = new QGridLayout(GetWidget());
    auto* combo = new QComboBox;
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMinimumWidth(360);
    layout->addWidget(AddControl(kTitle, combo), 0, 0);
    layout->addLayout(MakeOkCancelRow(), 1, 0);
}

BOOL CTitleDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    titles_ = std::make_unique<CTitleFile>(m_strTitleFile);
    if (!m_strTitleFile.IsEmpty() && platform::IsReadableFile(m_strTitleFile)) {
        titles_->ReadTitles();
    }
    if (auto* combo = qobject_cast<QComboBox*>(GetDlgItemWidget(kTitle))) {
        combo->clear();
        ComboFill fill{combo};
        titles_->FillComboBox(&fill);
        combo->lineEdit()->setMaxLength(kTitleLimit);
        combo->setEditText(platform::ToQString(m_strTitle));
    }
    CenterDialog(*this);
    return TRUE;
}

void CTitleDlg::OnOK() {
    if (EnterStepsToNextControl()) {
        return;
    }
    if (auto* combo = qobject_cast<QComboBox*>(GetDlgItemWidget(kTitle))) {
        CString title = platform::FromQStringLossy(combo->currentText().left(kTitleLimit));
        m_strTitle = title;
    }
    if (titles_ && m_bAutomatic) {
        titles_->AddTitle(m_strTitle);
        titles_->WriteTitles(m_nMaxCount);
    }
    CDialog::OnOK();
}

} // namespace merdok
