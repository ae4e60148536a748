#include "section_editor/app/CDxfFileDlg.h"

#include "section_editor/core/DxfLayerTable.h"

#include "common/ui/dialogs/CFileMyDialog.h"
#include "common/ui/dialogs/DialogPlacement.h"
#include "platform/core/CFile.h"
#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <climits>
#include <unistd.h>

namespace merdok {

IMPLEMENT_DYNAMIC(CDxfFileDlg, CDialog)

namespace {

constexpr int kGroundLayersShownLength = 120;

// An empty lower bound is the lowest value, an empty upper bound the highest.
double UnboundedValue(int index) {
    return index % 2 == 0 ? -platform::kExtentLimit : platform::kExtentLimit;
}

bool IsUnbounded(double value) {
    return platform::IsUnsetDouble(value) || value <= -platform::kExtentLimit ||
           value >= platform::kExtentLimit;
}

} // namespace

CDxfFileDlg::CDxfFileDlg(CWnd* parent) : CDialog(IDD, parent) {
    for (int i = 0; i < 4; ++i) {
        m_dRegion[i] = UnboundedValue(i);
    }
    MapCommand(kBrowseButton, [this] { OnBrowse(); });
    MapCommand(kRefreshLayersButton, [this] { OnRefreshLayers(); });
    MapCommand(kDeselectButton, [this] { OnDeselect(); });
    MapCommand(kTakeLayersButton, [this] { OnTakeLayers(); });
}

void CDxfFileDlg::AddNumberRow(QGridLayout* layout, int row, const char8_t* label, UINT id) {
    layout->addWidget(new QLabel(platform::ToQString(label)), row, 0);
    layout->addWidget(AddControl(static_cast<int>(id), new QLineEdit), row, 1);
}

void CDxfFileDlg::CreateControls() {
    GetWidget()->setWindowTitle(platform::ToQString(u8"DXFファイル指定"));
    auto* layout = new QGridLayout(GetWidget());
    layout->addWidget(new QLabel(platform::ToQString(u8"ﾌｧｲﾙ名:")), 0, 0);
    layout->addWidget(AddControl(kFileEdit, new QLineEdit), 0, 1, 1, 3);
    layout->addWidget(AddControl(kBrowseButton, new QPushButton(platform::ToQString(u8"参照..."))), 0, 4);
    AddNumberRow(layout, 1, u8"X方向換算係数:", kFactorXEdit);
    AddNumberRow(layout, 2, u8"Y方向換算係数:", kFactorYEdit);
    AddNumberRow(layout, 3, u8"同一点の判定距離(m):", kDistanceEdit);
    const char8_t* regionLabels[4] = {u8"X範囲(m):", u8"～", u8"Y範囲(m):", u8"～"};
    for (int i = 0; i < 4; ++i) {
        const int row = 4 + i / 2;
        const int column = (i % 2) * 2;
        layout->addWidget(new QLabel(platform::ToQString(regionLabels[i])), row, column);
        layout->addWidget(AddControl(kRegionFirstEdit + i, new QLineEdit), row, column + 1);
    }
    layout->addWidget(AddControl(kClearCheck, new QCheckBox(platform::ToQString(u8"現在ﾃﾞｰﾀをｸﾘｱする"))), 6,
                      0, 1, 2);
    layout->addWidget(new QLabel(platform::ToQString(u8"画層名一覧:")), 7, 0);
    auto* list = new QListWidget;
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    layout->addWidget(AddControl(kLayerList, list), 8, 0, 4, 3);
    layout->addWidget(
        AddControl(kRefreshLayersButton, new QPushButton(platform::ToQString(u8"画層名一覧の更新"))), 8, 3, 1,
        2);
    layout->addWidget(AddControl(kDeselectButton, new QPushButton(platform::ToQString(u8"選択解除"))), 9, 3,
                      1, 2);
    layout->addWidget(AddControl(kTakeLayersButton, new QPushButton(platform::ToQString(u8"更新"))), 10, 3, 1,
                      2);
    layout->addWidget(new QLabel(platform::ToQString(u8"地表線の画層:")), 12, 0);
    auto* groundLayers = new QLineEdit;
    groundLayers->setReadOnly(true);
    layout->addWidget(AddControl(kGroundLayersEdit, groundLayers), 12, 1, 1, 4);
    auto* read = new QPushButton(platform::ToQString(u8"読み込み"));
    read->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(AddControl(IDOK, read));
    buttons->addWidget(AddControl(IDCANCEL, new QPushButton(platform::ToQString(u8"閉じる"))));
    layout->addLayout(buttons, 13, 0, 1, 5);
}

int CDxfFileDlg::DoModal() {
    EnsureCreated();
    OnInitDialog();
    return platform::DialogScript::Exec(*this) == IDOK ? IDOK : IDCANCEL;
}

BOOL CDxfFileDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // Paths of any length the system takes: a name cut short would read another file.
    qobject_cast<QLineEdit*>(GetDlgItemWidget(kFileEdit))->setMaxLength(PATH_MAX - 1);
    SetDlgItemText(kFileEdit, m_strFile);
    const double factors[2] = {m_dFactorX, m_dFactorY};
    for (int i = 0; i < 2; ++i) {
        factorEdits_[i].SubclassDlgItem(kFactorXEdit + i, this);
        factorEdits_[i].SetFormat("%.5lf");
        factorEdits_[i].SetValue(factors[i]);
    }
    distanceEdit_.SubclassDlgItem(kDistanceEdit, this);
    distanceEdit_.SetFormat("%.4lf");
    distanceEdit_.SetValue(m_dDistance);
    for (int i = 0; i < 4; ++i) {
        regionEdits_[i].SubclassDlgItem(kRegionFirstEdit + i, this);
        regionEdits_[i].SetFormat("%.3lf");
        regionEdits_[i].SetValue(IsUnbounded(m_dRegion[i]) ? platform::kUnsetDouble : m_dRegion[i]);
    }
    CheckDlgButton(kClearCheck, m_nClearData ? 1 : 0);
    if (!m_strFile.IsEmpty() && NamedFileReadable()) {
        ReadDxfLayerNames(m_strFile, m_fileLayers);
        FillLayerList();
    }
    ShowGroundLayers();
    CenterDialog(*this);
    return TRUE;
}

void CDxfFileDlg::TakeFields() {
    GetDlgItemText(kFileEdit, m_strFile);
    m_nClearData = IsDlgButtonChecked(kClearCheck) ? 1 : 0;
}

bool CDxfFileDlg::NamedFileReadable() const {
    if (::access(CFile::OsPath(m_strFile.GetString()).c_str(), R_OK) == 0) {
        return true;
    }
    AfxMessageBox(u8"指定ﾌｧｲﾙが見つかりません");
    return false;
}

void CDxfFileDlg::FillLayerList() {
    auto* list = qobject_cast<QListWidget*>(GetDlgItemWidget(kLayerList));
    list->clear();
    for (const CString& name : m_fileLayers) {
        list->addItem(platform::ToQString(name));
    }
}

void CDxfFileDlg::ShowGroundLayers() {
    CString text;
    for (const CString& name : m_layerLists[0]) {
        if (text.GetLength() > kGroundLayersShownLength) {
            break;
        }
        text += text.IsEmpty() ? name : CString(" ") + name;
    }
    SetDlgItemText(kGroundLayersEdit, text);
}

void CDxfFileDlg::OnBrowse() {
    TakeFields();
    CFileMyDialog browse(TRUE, nullptr, m_strFile.GetString(), OFN_HIDEREADONLY,
                         CString(u8"DXF ﾌｧｲﾙ (*.dxf) |*.dxf||").GetString(), this, 213);
    if (browse.DoModal() != IDOK) {
        return;
    }
    // The name as chosen: the file system tells letter cases apart.
    m_strFile = browse.GetPathName();
    SetDlgItemText(kFileEdit, m_strFile);
}

void CDxfFileDlg::OnRefreshLayers() {
    TakeFields();
    if (m_strFile.IsEmpty() || !NamedFileReadable()) {
        return;
    }
    ReadDxfLayerNames(m_strFile, m_fileLayers);
    FillLayerList();
}

void CDxfFileDlg::OnDeselect() {
    qobject_cast<QListWidget*>(GetDlgItemWidget(kLayerList))->clearSelection();
}

void CDxfFileDlg::OnTakeLayers() {
    auto* list = qobject_cast<QListWidget*>(GetDlgItemWidget(kLayerList));
    m_layerLists[0].clear();
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected() && static_cast<std::size_t>(row) < m_fileLayers.size()) {
            m_layerLists[0].push_back(m_fileLayers[static_cast<std::size_t>(row)]);
        }
    }
    ShowGroundLayers();
}

bool CDxfFileDlg::CheckFactor(int index, double& value) {
    QWidget* field = GetDlgItemWidget(kFactorXEdit + index);
    double entered = platform::kUnsetDouble;
    if (!factorEdits_[index].CheckValue(entered)) {
        field->setFocus();
        return false;
    }
    if (platform::IsUnsetDouble(entered) || entered == 0.0) {
        // A factor of 0 would put every point of the drawing at one place.
        AfxMessageBox(platform::IsUnsetDouble(entered) ? u8"換算係数が未入力です"
                                                       : u8"換算係数に0は指定できません");
        field->setFocus();
        return false;
    }
    value = entered;
    return true;
}

bool CDxfFileDlg::CheckDistance() {
    QWidget* field = GetDlgItemWidget(kDistanceEdit);
    double entered = platform::kUnsetDouble;
    if (!distanceEdit_.CheckValue(entered)) {
        field->setFocus();
        return false;
    }
    if (platform::IsUnsetDouble(entered) || entered <= 0.0) {
        // Without a positive distance no two points of the drawing would ever be one.
        AfxMessageBox(platform::IsUnsetDouble(entered) ? u8"点の判定距離が未入力です"
                                                       : u8"点の判定距離は0より大きい値を入力して下さい");
        field->setFocus();
        return false;
    }
    m_dDistance = entered;
    return true;
}

bool CDxfFileDlg::CheckRegion(double (&region)[4]) {
    for (int i = 0; i < 4; ++i) {
        double entered = platform::kUnsetDouble;
        if (!regionEdits_[i].CheckValue(entered)) {
            GetDlgItemWidget(kRegionFirstEdit + i)->setFocus();
            return false;
        }
        region[i] = platform::IsUnsetDouble(entered) ? UnboundedValue(i) : entered;
    }
    return true;
}

void CDxfFileDlg::OnOK() {
    if (EnterStepsToNextControl()) {
        return; // Enter in a field moves on to the next one
    }
    TakeFields();
    if (!m_strFile.IsEmpty() && !NamedFileReadable()) {
        GetDlgItemWidget(kFileEdit)->setFocus();
        return;
    }
    if (!CheckFactor(0, m_dFactorX) || !CheckFactor(1, m_dFactorY) || !CheckDistance()) {
        return;
    }
    if (m_strFile.IsEmpty()) {
        AfxMessageBox(u8"ﾌｧｲﾙ名が未入力です");
        GetDlgItemWidget(kFileEdit)->setFocus();
        return;
    }
    double region[4];
    if (!CheckRegion(region)) {
        return;
    }
    std::copy(region, region + 4, m_dRegion);
    EndDialog(IDOK);
}

} // namespace merdok
