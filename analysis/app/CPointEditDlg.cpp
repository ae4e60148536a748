#include "analysis/app/CPointEditDlg.h"

#include "analysis/core/CNode.h"
#include "common/ui/dialogs/DialogPlacement.h"
#include "common/ui/section/DialogFields.h"
#include "platform/core/MapEntries.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/QtText.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

using section::PointKind;

namespace torvan {

namespace {

constexpr UINT kRealIds[4] = {CPointEditDlg::kX, CPointEditDlg::kY, CPointEditDlg::kBeta,
                              CPointEditDlg::kAlpha};
constexpr int kNameCharacters = 15;

const char8_t* KindName(section::PointKind kind) {
    const char8_t* const names[section::kPointKindCount] = {u8"地表点", u8"計測点", u8"地中境界点",
                                                            u8"左地表境界点", u8"右地表境界点"};
    const int index = section::PointKindIndex(kind);
    return names[index < 0 ? 0 : index];
}

} // namespace

CPointEditDlg::CPointEditDlg(const CMapWordToOb& points, const CNode& point, int mode, CWnd* parent)
    : CDialog(kTemplateId, parent), m_strName(point.name), m_dX(point.x), m_dY(point.y), m_dBeta(point.beta),
      m_dAlpha(point.alpha), points_(points), point_(point), mode_(mode) {}

bool CPointEditDlg::IsReadOnly(UINT id) const {
    if (mode_ == kViewUsed || mode_ == kViewFixedUsed) {
        return true;
    }
    if (id == kAlpha && point_.kind == PointKind::kInnerBoundary) {
        return true;
    }
    return mode_ == kFixedBySection && (id == kX || id == kY);
}

void CPointEditDlg::CreateControls() {
    const char8_t* prefix = mode_ == kNew ? u8"新規-" : (IsReadOnly(kName) ? u8"参照-" : u8"変更-");
    CString caption;
    caption.Format(" (%d)", point_.number);
    GetWidget()->setWindowTitle(platform::ToQString(prefix) + platform::ToQString(KindName(point_.kind)) +
                                platform::ToQString(caption));
    auto* layout = new QGridLayout(GetWidget());
    const char8_t* labels[5] = {u8"地点名：", u8"X座標(m)：", u8"Y座標(m)：", u8"重み係数β：",
                                u8"勾配α(度)："};
    const UINT ids[5] = {kName, kX, kY, kBeta, kAlpha};
    for (int i = 0; i < 5; ++i) {
        layout->addWidget(new QLabel(platform::ToQString(labels[i])), i, 0);
        auto* edit = new QLineEdit;
        edit->setReadOnly(IsReadOnly(ids[i]));
        if (ids[i] == kName) {
            edit->setMaxLength(kNameCharacters);
        }
        layout->addWidget(AddControl(ids[i], edit), i, 1);
    }
    const char8_t* note = nullptr;
    if (mode_ == kViewUsed || mode_ == kViewFixedUsed) {
        note = u8"* すべり線で使用されているため変更できません";
    } else if (mode_ == kFixedBySection) {
        note = u8"* 断面ﾓﾃﾞﾙ作成での定義のため座標変更できません";
    }
    layout->addWidget(AddControl(kNote, new QLabel(note ? platform::ToQString(note) : QString())), 5, 0, 1,
                      2);
    layout->addLayout(MakeOkCancelRow(), 6, 0, 1, 2);
}

BOOL CPointEditDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    attached_ = true;
    for (int i = 0; i < 4; ++i) {
        attached_ = edits_[i].SubclassDlgItem(kRealIds[i], this) && attached_;
    }
    if (!attached_) {
        AfxMessageBox(u8"コントロールエラー　SubclassDlgItem");
    } else {
        const char* formats[4] = {"%.3lf", "%.3lf", "%.4lf", "%.3lf"};
        const double values[4] = {m_dX, m_dY, m_dBeta, m_dAlpha};
        for (int i = 0; i < 4; ++i) {
            edits_[i].SetFormat(formats[i]);
            edits_[i].SetValue(values[i]);
        }
        edits_[3].SetRange(-90.0, 90.0);
    }
    SetDlgItemText(kName, m_strName);
    CenterDialog(*this);
    return TRUE;
}

bool CPointEditDlg::NameTakenByAnother(const CString& name) const {
    for (auto [key, other] : platform::MapEntries<const CNode>(points_)) {
        if (other != &point_ && other->name == name) {
            return true;
        }
    }
    return false;
}

void CPointEditDlg::OnOK() {
    if (EnterStepsToNextControl()) {
        return;
    }
    double values[4] = {m_dX, m_dY, m_dBeta, m_dAlpha};
    for (int i = 0; attached_ && i < 4; ++i) {
        if (IsReadOnly(kRealIds[i])) {
            continue;
        }
        if (!edits_[i].CheckValue(values[i])) {
            GetDlgItemWidget(kRealIds[i])->setFocus();
            return;
        }
        // The slope may stay empty: a ground-surface boundary point without one is a valid
        // condition of the analysis.
        if (i < 3 && platform::IsUnsetDouble(values[i])) {
            AfxMessageBox(u8"未入力項目があります。");
            GetDlgItemWidget(kRealIds[i])->setFocus();
            return;
        }
    }
    CString name;
    GetDlgItemText(kName, name);
    name.Trim();
    if (!IsReadOnly(kName)) {
        if (name.IsEmpty()) {
            AfxMessageBox(u8"地点名が未定義です。");
            return;
        }
        if (name != point_.name && NameTakenByAnother(name)) {
            AfxMessageBox(u8"変更した地点名は他の点と重複するため、定義できません\n* "
                          u8"重複しない新しい地点名を指定して下さい");
            return;
        }
    }
    m_strName = IsReadOnly(kName) ? point_.name : name;
    m_dX = values[0];
    m_dY = values[1];
    m_dBeta = values[2];
    m_dAlpha = values[3];
    EndDialog(IDOK);
}

} // namespace torvan
