#include "section_editor/app/CPointEditDlg.h"

#include "common/ui/dialogs/DialogPlacement.h"
#include "common/ui/section/DialogFields.h"
#include "platform/core/CodePage.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"
#include "section_editor/core/CNode.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

using section::PointKind;

namespace merdok {

IMPLEMENT_DYNAMIC(CPointEditDlg, CDialog)

namespace {

constexpr int kNameLimit = 15; // bytes of CP932
constexpr int kHighestNumber = 30000;
const char8_t* const kKindNames[] = {u8"地表点", u8"計測点", u8"地中境界点", u8"左地表境界点",
                                     u8"右地表境界点"};

} // namespace

CPointEditDlg::CPointEditDlg(const CNode& point, const RecordMap<CNode>* map, CWnd* parent)
    : CDialog(kTemplateId, parent), point_(point), map_(map) {}

void CPointEditDlg::CreateControls() {
    GetWidget()->setWindowTitle(platform::ToQString(u8"点変更"));
    auto* layout = new QGridLayout(GetWidget());
    const struct {
        UINT id;
        const char8_t* label;
    } rows[] = {{kNumber, u8"番号："}, {kName, u8"地点名："}, {kX, u8"X座標："}, {kY, u8"Y座標："}};
    int row = 0;
    for (const auto& item : rows) {
        layout->addWidget(new QLabel(platform::ToQString(item.label)), row, 0);
        layout->addWidget(AddControl(item.id, new QLineEdit), row++, 1);
    }
    layout->addLayout(MakeOkCancelRow(), row, 0, 1, 2);
}

int CPointEditDlg::DoModal() {
    EnsureCreated();
    OnInitDialog();
    return platform::DialogScript::Exec(*this) == IDOK ? IDOK : IDCANCEL;
}

BOOL CPointEditDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const PointKind kind = point_.GetKind();
    if (section::AttachEdit(numberEdit_, kNumber, *this)) {
        numberEdit_.SetRange(0, kHighestNumber);
        numberEdit_.SetValue(point_.GetNumber());
    }
    for (CRealEdit* edit : {&xEdit_, &yEdit_}) {
        if (section::AttachEdit(*edit, edit == &xEdit_ ? kX : kY, *this)) {
            edit->SetFormat("%.3lf");
            edit->SetValue(edit == &xEdit_ ? point_.GetX() : point_.GetY());
        }
    }
    if (auto* name = qobject_cast<QLineEdit*>(GetDlgItemWidget(kName))) {
        name->setMaxLength(kNameLimit);
    }
    SetDlgItemText(kName, point_.GetName());
    CString caption;
    caption.Format(u8"%s (%d)", CString(kKindNames[std::max(section::PointKindIndex(kind), 0)]).GetString(),
                   point_.GetNumber());
    GetWidget()->setWindowTitle(platform::ToQString(caption));
    GetDlgItemWidget(kName)->setEnabled(kind != PointKind::kGround);
    GetDlgItemWidget(kNumber)->setEnabled(kind == PointKind::kGround);
    GetDlgItemWidget(kY)->setEnabled(kind != PointKind::kLeftBoundary && kind != PointKind::kRightBoundary);
    return TRUE;
}

bool CPointEditDlg::NameIsFree(const CString& name) const {
    if (!map_ || name == point_.GetName()) {
        return true;
    }
    for (const auto& [key, other] : *map_) {
        if (other.get() != &point_ && other->GetName() == name) {
            return false;
        }
    }
    return true;
}

bool CPointEditDlg::CheckName(CString& name) const {
    name.Trim();
    const std::string_view text(name.GetString());
    name = CString(std::string(text.substr(0, platform::Cp932SafeCut(text, kNameLimit))).c_str());
    if (name.IsEmpty() && point_.GetKind() == PointKind::kMeasurement) {
        AfxMessageBox(u8"計測点の地点名は必ず入力して下さい");
        return false;
    }
    if (!NameIsFree(name)) {
        AfxMessageBox(u8"変更した地点名は他の点と重複するため、定義できません");
        return false;
    }
    return true;
}

bool CPointEditDlg::CheckNumber(int number) const {
    if (platform::IsUnsetInt(number)) {
        AfxMessageBox(u8"番号が未入力です");
        return false;
    }
    if (map_ && number != point_.GetNumber() && map_->Lookup(number - 1)) {
        AfxMessageBox(u8"変更した番号は他の点と重複するため、定義できません");
        return false;
    }
    return true;
}

void CPointEditDlg::OnOK() {
    if (EnterStepsToNextControl()) {
        return;
    }
    double x = platform::kUnsetDouble;
    double y = point_.GetY();
    const bool yOpen = GetDlgItemWidget(kY)->isEnabled();
    if (!xEdit_.CheckValue(x) || (yOpen && !yEdit_.CheckValue(y))) {
        return;
    }
    if (platform::IsUnsetDouble(x) || platform::IsUnsetDouble(y)) {
        AfxMessageBox(u8"未入力項目があります");
        return;
    }
    int number = point_.GetNumber();
    CString name = point_.GetName();
    if (point_.GetKind() == PointKind::kGround) {
        if (!numberEdit_.CheckValue(number) || !CheckNumber(number)) {
            return;
        }
    } else {
        GetDlgItemText(kName, name);
        if (!CheckName(name)) {
            return;
        }
    }
    m_nNumber = number;
    m_dX = x;
    m_dY = y;
    m_strName = name;
    EndDialog(IDOK);
}

} // namespace merdok
