#include "analysis/app/CVectorDisplayDlg.h"
#include "analysis/app/ViewSettings.h"

#include "common/ui/dialogs/DialogPlacement.h"
#include "common/ui/section/DialogFields.h"
#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace torvan {

CVectorDisplayDlg::CVectorDisplayDlg(CWnd* parent)
    : CDialog(kTemplateId, parent), m_dScale(platform::kUnsetDouble) {}

void CVectorDisplayDlg::CreateControls() {
    GetWidget()->setWindowTitle(platform::ToQString(u8"変位ﾍﾞｸﾄﾙ表示設定"));
    auto* layout = new QGridLayout(GetWidget());
    layout->addWidget(new QLabel(platform::ToQString(u8"表示方法")), 0, 0);
    auto* mode = new QComboBox;
    for (const char8_t* name : {u8"始点終点", u8"ﾍﾞｸﾄﾙ連結", u8"最小二乗法", u8"非表示"}) {
        mode->addItem(platform::ToQString(name));
    }
    layout->addWidget(AddControl(kMode, mode), 0, 1);
    layout->addWidget(new QLabel(platform::ToQString(u8"変位ｽｹｰﾙ(cm)")), 1, 0);
    layout->addWidget(AddControl(kScale, new QLineEdit), 1, 1);
    layout->addWidget(
        new QLabel(platform::ToQString(u8"・全体表示画面での1cmに対応する変位量\n   (cm)を指定する。\n"
                                       u8"・省略すると最大変位が設定される。")),
        2, 0, 1, 2);
    layout->addLayout(MakeOkCancelRow(), 3, 0, 1, 2);
}

int CVectorDisplayDlg::DoModal() {
    EnsureCreated();
    OnInitDialog();
    return platform::DialogScript::Exec(*this) == IDOK ? IDOK : IDCANCEL;
}

BOOL CVectorDisplayDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    qobject_cast<QComboBox*>(GetDlgItemWidget(kMode))
        ->setCurrentIndex(m_nMode >= 0 && m_nMode <= kVectorHidden ? m_nMode : 0);
    scale_.SubclassDlgItem(kScale, this);
    scale_.SetFormat("%.3lf");
    scale_.SetValue(m_dScale);
    CenterDialog(*this);
    return TRUE;
}

void CVectorDisplayDlg::OnOK() {
    if (EnterStepsToNextControl()) {
        return;
    }
    double scale = platform::kUnsetDouble;
    if (!scale_.CheckValue(scale)) {
        return;
    }
    if (!platform::IsUnsetDouble(scale) && scale <= 0.0) {
        AfxMessageBox(u8"変位ｽｹｰﾙ入力 ｴﾗｰ !!");
        return;
    }
    m_dScale = scale;
    m_nMode = qobject_cast<QComboBox*>(GetDlgItemWidget(kMode))->currentIndex();
    EndDialog(IDOK);
}

} // namespace torvan
