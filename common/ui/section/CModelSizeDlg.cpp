#include "common/ui/section/CModelSizeDlg.h"

#include "common/ui/dialogs/DialogPlacement.h"
#include "common/ui/section/DialogFields.h"
#include "platform/core/MessageSink.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/Unset.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

IMPLEMENT_DYNAMIC(CModelSizeDlg, CDialog)

namespace {

constexpr UINT kFieldIds[4] = {CModelSizeDlg::kXMax, CModelSizeDlg::kXMin, CModelSizeDlg::kYMax,
                               CModelSizeDlg::kYMin};

double* Field(section::WorldRange& range, int index) {
    double* fields[4] = {&range.xmax, &range.xmin, &range.ymax, &range.ymin};
    return fields[index];
}

} // namespace

CModelSizeDlg::CModelSizeDlg(UINT currentAreaButton, CWnd* parent)
    : CDialog(kTemplateId, parent), m_size(section::WorldRange::Unset()),
      m_current(section::WorldRange::Unset()), currentAreaButton_(currentAreaButton) {
    MapCommand(currentAreaButton_, [this] { OnCurrentArea(); });
}

void CModelSizeDlg::CreateControls() {
    GetWidget()->setWindowTitle(platform::ToQString(u8"モデルの大きさ"));
    auto* layout = new QGridLayout(GetWidget());
    const char8_t* labels[4] = {u8"X 最大(m)", u8"X 最小(m)", u8"Y 最大(m)", u8"Y 最小(m)"};
    for (int i = 0; i < 4; ++i) {
        layout->addWidget(new QLabel(platform::ToQString(labels[i])), i, 0);
        layout->addWidget(AddControl(kFieldIds[i], new QLineEdit), i, 1);
    }
    layout->addWidget(new QLabel(platform::ToQString(u8"[現在の描画域]")), 4, 0);
    layout->addWidget(AddControl(kCurrentX, new QLabel), 4, 1);
    layout->addWidget(AddControl(kCurrentY, new QLabel), 5, 1);
    layout->addWidget(
        AddControl(currentAreaButton_, new QPushButton(platform::ToQString(u8"現在の描画域に設定"))), 6, 1);
    layout->addLayout(MakeOkCancelRow(), 7, 0, 1, 2);
}

int CModelSizeDlg::DoModal() {
    EnsureCreated();
    OnInitDialog();
    return platform::DialogScript::Exec(*this) == IDOK ? IDOK : IDCANCEL;
}

BOOL CModelSizeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    for (int i = 0; i < 4; ++i) {
        edits_[i].SubclassDlgItem(kFieldIds[i], this);
        edits_[i].SetFormat("%.3lf");
        edits_[i].SetValue(*Field(m_size, i));
    }
    if (m_current.IsUnset()) {
        SetDlgItemText(kCurrentX, CString(u8"現在、何も描画されていません"));
        SetDlgItemText(kCurrentY, CString());
        // Nothing drawn: the button has no area to give.
        if (QWidget* button = GetDlgItemWidget(static_cast<int>(currentAreaButton_))) {
            button->setEnabled(false);
        }
    } else {
        CString text;
        text.Format(u8"X： %.3lf ～ %.3lf", m_current.xmin, m_current.xmax);
        SetDlgItemText(kCurrentX, text);
        text.Format(u8"Y： %.3lf ～ %.3lf", m_current.ymin, m_current.ymax);
        SetDlgItemText(kCurrentY, text);
    }
    CenterDialog(*this);
    return TRUE;
}

void CModelSizeDlg::OnCurrentArea() {
    if (m_current.IsUnset()) {
        return;
    }
    for (int i = 0; i < 4; ++i) {
        edits_[i].SetValue(*Field(m_current, i));
    }
}

void CModelSizeDlg::OnOK() {
    if (EnterStepsToNextControl()) {
        return;
    }
    section::WorldRange size = section::WorldRange::Unset();
    for (int i = 0; i < 4; ++i) {
        if (!edits_[i].CheckValue(*Field(size, i))) {
            GetDlgItemWidget(kFieldIds[i])->setFocus();
            return;
        }
    }
    for (int i = 0; i < 4; ++i) {
        if (platform::IsUnsetDouble(*Field(size, i))) {
            AfxMessageBox(u8"入力項目が未入力です。");
            GetDlgItemWidget(kFieldIds[i])->setFocus();
            return;
        }
    }
    if (size.xmax < size.xmin || size.ymax < size.ymin) {
        AfxMessageBox(u8"最大座標値が最小より小さくなっています");
        return;
    }
    m_size = size;
    EndDialog(IDOK);
}
