#include "common/ui/section/CCoordInputDlg.h"

#include "common/ui/dialogs/DialogPlacement.h"
#include "common/ui/section/DialogFields.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

IMPLEMENT_DYNAMIC(CCoordInputDlg, CDialog)

namespace {
constexpr int kHighestPointNumber = 30000;
} // namespace

CCoordInputDlg::CCoordInputDlg(UINT relativeCheck, CWnd* parent)
    : CDialog(kTemplateId, parent), relativeCheck_(relativeCheck) {}

void CCoordInputDlg::CreateControls() {
    GetWidget()->setWindowTitle(platform::ToQString(u8"座標値入力"));
    auto* layout = new QGridLayout(GetWidget());
    layout->addWidget(AddControl(kPrompt, new QLabel), 0, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("X :")), 1, 0);
    layout->addWidget(AddControl(kX, new QLineEdit), 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("Y :")), 2, 0);
    layout->addWidget(AddControl(kY, new QLineEdit), 2, 1);
    layout->addWidget(AddControl(relativeCheck_, new QCheckBox(platform::ToQString(
                                                     u8"直前の点との相対位置入力を有効にする"))),
                      3, 0, 1, 2);
    auto* numberLabel = new QLabel(platform::ToQString(u8"点番号："));
    numberLabel->setObjectName(QStringLiteral("pointNumberLabel"));
    layout->addWidget(numberLabel, 4, 0);
    layout->addWidget(AddControl(kPointNumber, new QLineEdit), 4, 1);
    layout->addLayout(MakeOkCancelRow(), 5, 0, 1, 2);
}

int CCoordInputDlg::DoModal() {
    EnsureCreated();
    OnInitDialog();
    return platform::DialogScript::Exec(*this) == IDOK ? IDOK : IDCANCEL;
}

BOOL CCoordInputDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (section::AttachEdit(numberEdit_, kPointNumber, *this)) {
        numberEdit_.SetRange(0, kHighestPointNumber);
    }
    for (CRealEdit* edit : {&xEdit_, &yEdit_}) {
        if (section::AttachEdit(*edit, edit == &xEdit_ ? kX : kY, *this)) {
            edit->SetFormat("%.3lf");
            edit->SetValue(platform::kUnsetDouble);
        }
    }
    SetDlgItemText(kPrompt, m_strPrompt);
    CheckDlgButton(relativeCheck_, m_bRelative ? 1 : 0);
    GetDlgItemWidget(relativeCheck_)->setVisible(!m_bFirstPoint);
    const bool surfaceBoundary = m_nToolMode == section::DrawMode::kLeftBoundPoint ||
                                 m_nToolMode == section::DrawMode::kRightBoundPoint;
    GetDlgItemWidget(kY)->setEnabled(!surfaceBoundary);
    const bool numberShown =
        m_bNumberForBoundaryTools || (!surfaceBoundary && m_nToolMode != section::DrawMode::kInnerBoundPoint);
    GetDlgItemWidget(kPointNumber)->setVisible(numberShown);
    if (QWidget* label = GetWidget()->findChild<QWidget*>(QStringLiteral("pointNumberLabel"))) {
        label->setVisible(numberShown);
    }
    numberEdit_.SetValue(platform::kUnsetInt);
    CenterDialog(*this);
    return TRUE;
}

void CCoordInputDlg::OnOK() {
    if (EnterStepsToNextControl()) {
        return;
    }
    int number = platform::kUnsetInt;
    if (GetDlgItemWidget(kPointNumber)->isVisibleTo(GetWidget()) && !numberEdit_.CheckValue(number)) {
        GetDlgItemWidget(kPointNumber)->setFocus();
        return;
    }
    m_nPointNumber = number;
    m_bRelative = IsDlgButtonChecked(relativeCheck_) ? TRUE : FALSE;
    if (!platform::IsUnsetInt(number) && number > 0) {
        EndDialog(IDOK);
        return;
    }
    if (ReadCoordinates()) {
        EndDialog(IDOK);
    }
}

bool CCoordInputDlg::ReadCoordinates() {
    if (!xEdit_.CheckValue(m_dX)) {
        GetDlgItemWidget(kX)->setFocus();
        return false;
    }
    const bool yEnabled = GetDlgItemWidget(kY)->isEnabled();
    m_dY = platform::kUnsetDouble;
    if (yEnabled && !yEdit_.CheckValue(m_dY)) {
        GetDlgItemWidget(kY)->setFocus();
        return false;
    }
    const bool xSet = !platform::IsUnsetDouble(m_dX);
    const bool ySet = !platform::IsUnsetDouble(m_dY);
    if (!m_bFirstPoint) {
        if (!xSet && !ySet) {
            AfxMessageBox(u8"ＸとＹの座標が共に入力されていません");
            return false;
        }
        return true;
    }
    if (!xSet && m_strPrompt.IsEmpty()) {
        AfxMessageBox(u8"Ｘ座標が入力されていません");
        GetDlgItemWidget(kX)->setFocus();
        return false;
    }
    if (!ySet && yEnabled) {
        AfxMessageBox(u8"Ｙ座標が入力されていません");
        GetDlgItemWidget(kY)->setFocus();
        return false;
    }
    return true;
}

void CCoordInputDlg::PrepareEntry(const DPoint* previous, BOOL relative, section::DrawMode toolMode) {
    m_strPrompt.Empty();
    m_bRelative = FALSE;
    if (previous) {
        m_strPrompt.Format(u8"直前点の座標 (%10.3lf,%10.3lf )", previous->x, previous->y);
        m_bRelative = relative;
    }
    m_bFirstPoint = previous ? FALSE : TRUE;
    m_nToolMode = toolMode;
}

bool CCoordInputDlg::TypedPoint(const DPoint* previous, const PointSources& sources, DPoint& point,
                                int& rule) const {
    rule = 0;
    point = DPoint{m_dX, m_dY};
    const bool xSet = !platform::IsUnsetDouble(m_dX);
    const bool ySet = !platform::IsUnsetDouble(m_dY);
    if (!xSet && !ySet) {
        if (!sources.groundPoint || !sources.groundPoint(m_nPointNumber, point)) {
            CString message;
            message.Format(u8"地表点番号 %d が不正です !!", m_nPointNumber);
            AfxMessageBox(message);
            return false;
        }
        return true;
    }
    if ((m_nToolMode == section::DrawMode::kLeftBoundPoint ||
         m_nToolMode == section::DrawMode::kRightBoundPoint) &&
        xSet) {
        // The Y of a ground-surface boundary point is not typed: without a crossing there is
        // no position to take.
        if (!sources.surfaceCrossing || !sources.surfaceCrossing(m_dX, m_dY, point)) {
            AfxMessageBox(u8"地表境界点が見つかりませんGetKotenAllSufaceLine");
            return false;
        }
        return true;
    }
    if (!previous) {
        return xSet && ySet;
    }
    const bool relative = m_bRelative != FALSE;
    if (xSet) {
        point.x = relative ? previous->x + m_dX : m_dX;
    } else {
        point.x = previous->x;
        rule = 2;
    }
    if (ySet) {
        point.y = relative ? previous->y + m_dY : m_dY;
    } else {
        point.y = previous->y;
        rule = 1;
    }
    return true;
}
