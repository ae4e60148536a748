#include "analysis/app/CRefFileSelectDlg.h"

#include "analysis/app/TorvanIds.h"

#include "platform/ui/QtText.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace torvan {

namespace {
constexpr int kNameBoxWidth = 360;
} // namespace

CRefFileSelectDlg::CRefFileSelectDlg(CWnd* parent) : CDialog(IDD_REF_FILE_SELECT, parent) {}

void CRefFileSelectDlg::CreateControls() {
    QDialog* dialog = Dialog();
    dialog->setWindowTitle(platform::ToQString(u8"参照ﾌｧｲﾙ選択"));
    auto* layout = new QGridLayout(dialog);
    layout->addWidget(
        new QLabel(platform::ToQString(u8"異なるﾌｧｲﾙが定義されているので、ﾌｧｲﾙを選択して下さい。")), 0, 0, 1,
        2);
    const struct {
        int radio;
        int edit;
        const char8_t* label;
    } rows[] = {{IDC_REF_FIRST_CHOICE, IDC_REF_FIRST_NAME, u8"基本ﾒﾆｭｰの参照ﾌｧｲﾙ"},
                {IDC_REF_SECOND_CHOICE, IDC_REF_SECOND_NAME, u8"解析ﾌｧｲﾙの定義ﾌｧｲﾙ"}};
    int row = 1;
    for (const auto& item : rows) {
        layout->addWidget(AddControl(item.radio, new QRadioButton(platform::ToQString(item.label))), row, 0);
        auto* name = new QLineEdit;
        name->setReadOnly(true);
        name->setMinimumWidth(kNameBoxWidth);
        layout->addWidget(AddControl(item.edit, name), row, 1);
        ++row;
    }
    auto* close = new QPushButton(platform::ToQString(u8"閉じる"));
    close->setDefault(true);
    layout->addWidget(AddControl(IDOK, close), row, 1, Qt::AlignRight);
}

BOOL CRefFileSelectDlg::OnInitDialog() {
    if (!m_strCaption.IsEmpty()) {
        Dialog()->setWindowTitle(platform::ToQString(m_strCaption));
    }
    SetDlgItemText(IDC_REF_FIRST_NAME, m_strFirstName);
    SetDlgItemText(IDC_REF_SECOND_NAME, m_strSecondName);
    CheckDlgButton(m_nChoice == 1 ? IDC_REF_SECOND_CHOICE : IDC_REF_FIRST_CHOICE, 1);
    return TRUE;
}

void CRefFileSelectDlg::OnOK() {
    m_nChoice = IsDlgButtonChecked(IDC_REF_SECOND_CHOICE) ? 1 : 0;
    CDialog::OnOK();
}

} // namespace torvan
