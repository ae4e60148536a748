#include "analysis/app/CDrawingRunDlg.h"

#include "common/ui/section/DialogFields.h"

#include "common/ui/dialogs/DialogPlacement.h"
#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"
#include "platform/ui/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace torvan {

namespace {

const UINT kRealIds[] = {CDrawingRunDlg::kModelScale, CDrawingRunDlg::kDispScale,  CDrawingRunDlg::kPositionX,
                         CDrawingRunDlg::kPositionY,  CDrawingRunDlg::kAxisBottom, CDrawingRunDlg::kAxisLeft,
                         CDrawingRunDlg::kLegendX,    CDrawingRunDlg::kLegendY};
const char8_t* const kRealLabels[] = {u8"ﾓﾃﾞﾙ縮尺  1/",       u8"変位ｽｹｰﾙ(mm/cm)",   u8"位置 X(mm)",
                                      u8"位置 Y(mm)",         u8"座標軸 下(mm)",     u8"座標軸 左(mm)",
                                      u8"変位ｽｹｰﾙ位置 X(mm)", u8"変位ｽｹｰﾙ位置 Y(mm)"};
const char8_t* const kPaperNames[] = {u8"B4縦", u8"B4横", u8"B5縦", u8"B5横", u8"A3縦",
                                      u8"A3横", u8"A4縦", u8"A4横", u8"A5縦", u8"A5横"};

} // namespace

CDrawingRunDlg::CDrawingRunDlg(CWnd* parent)
    : CDialog(kTemplateId, parent),
      m_titles(ProgramViewSettings().titleFile, ProgramViewSettings().titleAutomatic,
               ProgramViewSettings().titleMaxCount) {
    MapCommand(kRunButton, [this] { OnRunDrawing(); });
}

void CDrawingRunDlg::CreateControls() {
    QDialog* dialog = Dialog();
    dialog->setWindowTitle(platform::ToQString(u8"作図実行"));
    auto* layout = new QGridLayout(dialog);
    int row = 0;
    layout->addWidget(new QLabel(platform::ToQString(u8"用紙")), row, 0);
    auto* paper = new QComboBox;
    for (const char8_t* name : kPaperNames) {
        paper->addItem(platform::ToQString(name));
    }
    layout->addWidget(AddControl(kPaper, paper), row++, 1);
    for (UINT id : {UINT(kTitle1), UINT(kTitle2)}) {
        layout->addWidget(new QLabel(platform::ToQString(id == kTitle1 ? u8"ﾀｲﾄﾙ1" : u8"ﾀｲﾄﾙ2")), row, 0);
        auto* title = new QComboBox;
        title->setEditable(true);
        title->setMinimumWidth(300);
        layout->addWidget(AddControl(id, title), row++, 1, 1, 3);
    }
    for (int i = 0; i < kRealFields; ++i) {
        layout->addWidget(new QLabel(platform::ToQString(kRealLabels[i])), row + i / 2, (i % 2) * 2);
        layout->addWidget(AddControl(kRealIds[i], new QLineEdit), row + i / 2, (i % 2) * 2 + 1);
    }
    row += kRealFields / 2;
    layout->addWidget(AddControl(kCenterX, new QCheckBox(platform::ToQString(u8"X方向ｾﾝﾀﾘﾝｸﾞ"))), row, 0, 1,
                      2);
    layout->addWidget(AddControl(kCenterY, new QCheckBox(platform::ToQString(u8"Y方向ｾﾝﾀﾘﾝｸﾞ"))), row++, 2, 1,
                      2);
    layout->addWidget(AddControl(kDrawAxes, new QCheckBox(platform::ToQString(u8"座標軸を描く"))), row++, 0,
                      1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(AddControl(kRunButton, new QPushButton(platform::ToQString(u8"作図実行"))));
    layout->addLayout(buttons, row, 0, 1, 2);
    layout->addLayout(MakeOkCancelRow(), row, 2, 1, 2);
}

BOOL CDrawingRunDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const double values[] = {m_plot.modelScale, m_plot.dispScale,  m_plot.modelPos[0], m_plot.modelPos[1],
                             m_plot.axisPos[0], m_plot.axisPos[1], m_plot.scalePos[0], m_plot.scalePos[1]};
    for (int i = 0; i < kRealFields; ++i) {
        edits_[i].SubclassDlgItem(kRealIds[i], this);
        edits_[i].SetFormat("%.1lf");
        edits_[i].SetValue(values[i]);
    }
    if (auto* paper = qobject_cast<QComboBox*>(GetDlgItemWidget(kPaper))) {
        paper->setCurrentIndex(m_plot.paperSize >= 0 && m_plot.paperSize < 10 ? m_plot.paperSize : 7);
    }
    for (UINT id : {UINT(kTitle1), UINT(kTitle2)}) {
        m_titles.FillComboBox(qobject_cast<QComboBox*>(GetDlgItemWidget(id)));
    }
    SetDlgItemText(kTitle1, m_plot.title1);
    SetDlgItemText(kTitle2, m_plot.title2);
    CheckDlgButton(kCenterX, m_plot.centerX ? 1 : 0);
    CheckDlgButton(kCenterY, m_plot.centerY ? 1 : 0);
    CheckDlgButton(kDrawAxes, m_plot.axisFlag ? 1 : 0);
    CenterDialog(*this);
    return TRUE;
}

bool CDrawingRunDlg::TakeValues() {
    double values[kRealFields];
    for (int i = 0; i < kRealFields; ++i) {
        values[i] = platform::kUnsetDouble;
        if (!edits_[i].CheckValue(values[i])) {
            return false;
        }
    }
    if (!platform::IsUnsetDouble(values[0]) && values[0] <= 0) {
        AfxMessageBox(u8"ﾓﾃﾞﾙ縮尺入力 ｴﾗｰ !!");
        return false;
    }
    if (!platform::IsUnsetDouble(values[1]) && values[1] <= 0) {
        AfxMessageBox(u8"変位ｽｹｰﾙの入力 ｴﾗｰ !!");
        return false;
    }
    const bool centerX = IsDlgButtonChecked(kCenterX);
    const bool centerY = IsDlgButtonChecked(kCenterY);
    if ((centerX && !platform::IsUnsetDouble(values[2])) ||
        (centerY && !platform::IsUnsetDouble(values[3]))) {
        AfxMessageBox(u8"ｾﾝﾀﾘﾝｸﾞと位置は同時に指定できません");
        return false;
    }
    m_plot.modelScale = values[0];
    m_plot.dispScale = values[1];
    for (int i = 0; i < 2; ++i) {
        m_plot.modelPos[i] = values[2 + i];
        m_plot.axisPos[i] = values[4 + i];
        m_plot.scalePos[i] = values[6 + i];
    }
    if (auto* paper = qobject_cast<QComboBox*>(GetDlgItemWidget(kPaper))) {
        m_plot.paperSize = paper->currentIndex();
    }
    GetDlgItemText(kTitle1, m_plot.title1);
    GetDlgItemText(kTitle2, m_plot.title2);
    m_plot.centerX = centerX ? 1 : 0;
    m_plot.centerY = centerY ? 1 : 0;
    m_plot.axisFlag = IsDlgButtonChecked(kDrawAxes) ? 1 : 0;
    m_titles.Register({m_plot.title1, m_plot.title2});
    return true;
}

void CDrawingRunDlg::OnOK() {
    if (EnterStepsToNextControl()) {
        return; // Enter in a field steps to the next one
    }
    if (TakeValues()) {
        EndDialog(IDOK);
    }
}

void CDrawingRunDlg::OnRunDrawing() {
    if (TakeValues()) {
        EndDialog(kRunDrawing);
    }
}

} // namespace torvan
