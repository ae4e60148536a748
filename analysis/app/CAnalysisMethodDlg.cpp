#include "analysis/app/CAnalysisMethodDlg.h"

#include "common/ui/dialogs/DialogPlacement.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/QtText.h"

#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace torvan {

namespace {

const char8_t* const kMethodNames[3] = {u8"多角形平行法", u8"多角形回転法", u8"多項式法"};
const char8_t* const kParameterLabels[3] = {u8"単体重量γ(kN/m3)：", u8"粘着力ｃ (kN/m2)：",
                                            u8"ｾﾝ断抵抗角φ(度)："};

} // namespace

CAnalysisMethodDlg::CAnalysisMethodDlg(CWnd* parent) : CDialog(kTemplateId, parent) {
    for (UINT id = kMethodFirst; id < kMethodFirst + 3; ++id) {
        MapCommand(id, [this] { OnMethodClicked(); });
    }
}

void CAnalysisMethodDlg::CreateControls() {
    QDialog* dialog = Dialog();
    dialog->setWindowTitle(platform::ToQString(u8"解析手法"));
    auto* layout = new QGridLayout(dialog);

    auto* methods = new QGroupBox(platform::ToQString(u8"すべり線推定法"));
    auto* methodLayout = new QVBoxLayout(methods);
    for (int i = 0; i < 3; ++i) {
        methodLayout->addWidget(
            AddControl(kMethodFirst + i, new QRadioButton(platform::ToQString(kMethodNames[i]))));
    }
    layout->addWidget(methods, 0, 0);

    auto* options = new QGroupBox(platform::ToQString(u8"２境界点処理"));
    AddControl(kOptionGroup, options);
    auto* optionLayout = new QVBoxLayout(options);
    optionLayout->addWidget(AddControl(kOptionWeighted, new QRadioButton(platform::ToQString(u8"荷重平均"))));
    optionLayout->addWidget(AddControl(kOptionSimple, new QRadioButton(platform::ToQString(u8"単純平均"))));
    layout->addWidget(options, 0, 1);

    auto* parameters = new QGroupBox(platform::ToQString(u8"すべり計算ﾊﾟﾗﾒｰﾀ"));
    AddControl(kParameterGroup, parameters);
    auto* parameterLayout = new QGridLayout(parameters);
    for (int i = 0; i < 3; ++i) {
        parameterLayout->addWidget(
            AddControl(kLabelFirst + i, new QLabel(platform::ToQString(kParameterLabels[i]))), i, 0);
        parameterLayout->addWidget(AddControl(kEditFirst + i, new QLineEdit), i, 1);
    }
    layout->addWidget(parameters, 1, 0, 1, 2);
    layout->addLayout(MakeOkCancelRow(), 2, 0, 1, 2);
}

double* CAnalysisMethodDlg::Parameter(int index) {
    double* parameters[3] = {&m_dGamma, &m_dCohesion, &m_dPhi};
    return parameters[index];
}

BOOL CAnalysisMethodDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    editsAttached_ = true;
    for (int i = 0; i < 3; ++i) {
        editsAttached_ = edits_[i].SubclassDlgItem(kEditFirst + i, this) && editsAttached_;
    }
    if (!editsAttached_) {
        AfxMessageBox(u8"ｺﾝﾄﾛｰﾙ ｴﾗｰ SubclassDlgItem");
    } else {
        for (int i = 0; i < 3; ++i) {
            edits_[i].SetFormat("%.3lf");
            edits_[i].SetValue(*Parameter(i));
        }
    }
    if (m_nMethod >= 0 && m_nMethod <= 2) {
        CheckDlgButton(kMethodFirst + m_nMethod, 1);
    }
    if (m_nTwoPointOption == 0 || m_nTwoPointOption == 1) {
        CheckDlgButton(m_nTwoPointOption == 0 ? kOptionWeighted : kOptionSimple, 1);
    }
    EnableControls(m_nMethod);
    CenterDialog(*this);
    return TRUE;
}

void CAnalysisMethodDlg::EnableControls(int method) {
    for (UINT id : {UINT(kParameterGroup), UINT(kLabelFirst), UINT(kLabelFirst + 1), UINT(kLabelFirst + 2),
                    UINT(kEditFirst), UINT(kEditFirst + 1), UINT(kEditFirst + 2)}) {
        if (QWidget* control = GetDlgItemWidget(id)) {
            control->setEnabled(false);
        }
    }
    for (UINT id : {UINT(kOptionGroup), UINT(kOptionWeighted), UINT(kOptionSimple)}) {
        if (QWidget* control = GetDlgItemWidget(id)) {
            control->setEnabled(method != 2);
        }
    }
}

void CAnalysisMethodDlg::ExchangeRadios() {
    m_nMethod = -1;
    for (int i = 0; i < 3; ++i) {
        if (IsDlgButtonChecked(kMethodFirst + i)) {
            m_nMethod = i;
        }
    }
    if (IsDlgButtonChecked(kOptionWeighted)) {
        m_nTwoPointOption = 0;
    } else if (IsDlgButtonChecked(kOptionSimple)) {
        m_nTwoPointOption = 1;
    }
}

void CAnalysisMethodDlg::OnMethodClicked() {
    ExchangeRadios();
    EnableControls(m_nMethod);
}

void CAnalysisMethodDlg::OnOK() {
    if (EnterStepsToNextControl()) {
        return; // Enter in a field moves on to the next one
    }
    ExchangeRadios();
    if (m_nMethod < 0) {
        AfxMessageBox(u8"入力方法が未選択です");
        return;
    }
    double values[3] = {m_dGamma, m_dCohesion, m_dPhi};
    for (int i = 0; editsAttached_ && i < 3; ++i) {
        QWidget* edit = GetDlgItemWidget(kEditFirst + i);
        if (edit && edit->isEnabled() && !edits_[i].CheckValue(values[i])) {
            return;
        }
    }
    if (m_nMethod == 2) {
        int set = 0;
        for (double value : values) {
            set += platform::IsUnsetDouble(value) ? 0 : 1;
        }
        if (set != 0 && set != 3) {
            AfxMessageBox(u8"すべり計算する際はﾊﾟﾗﾒｰﾀを全て入力して下さい");
            return;
        }
    }
    m_dGamma = values[0];
    m_dCohesion = values[1];
    m_dPhi = values[2];
    EndDialog(IDOK);
}

} // namespace torvan
