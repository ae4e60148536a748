#include "measurement_table/app/CInputMethodDlg.h"

#include "common/ui/dialogs/DialogPlacement.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/QtText.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quilmo {

void CInputMethodDlg::CreateControls() {
    QDialog* dialog = Dialog();
    dialog->setWindowTitle(platform::ToQString(u8"計測変位データ"));
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(new QLabel(platform::ToQString(u8"入力方法を選択して下さい")));
    auto* group = new QButtonGroup(dialog);
    for (auto [id, label] : {std::pair{int(IDC_METHOD_2D), u8"２次元(ds,dz)"},
                             std::pair{int(IDC_METHOD_3D), u8"３次元(dx,dy,dz)"}}) {
        auto* radio = new QRadioButton(platform::ToQString(label));
        group->addButton(radio);
        layout->addWidget(AddControl(id, radio));
    }
    layout->addLayout(MakeOkCancelRow());
}

BOOL CInputMethodDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterDialog(*this);
    return TRUE;
}

void CInputMethodDlg::OnOK() {
    QWidget* focus = QApplication::focusWidget();
    if (GetKeyState(VK_RETURN) < 0 && focus && focus != GetDlgItemWidget(IDOK) && focus->nextInFocusChain()) {
        focus->nextInFocusChain()->setFocus(Qt::TabFocusReason);
        return;
    }
    if (IsDlgButtonChecked(IDC_METHOD_2D)) {
        m_nDimension = 0;
    } else if (IsDlgButtonChecked(IDC_METHOD_3D)) {
        m_nDimension = 1;
    } else {
        AfxMessageBox(u8"入力方法が未選択です");
        return;
    }
    CDialog::OnOK();
}

} // namespace quilmo
