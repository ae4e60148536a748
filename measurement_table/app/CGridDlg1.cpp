#include "measurement_table/app/CGridDlg1.h"

#include "common/ui/table/GridMenus.h"
#include "measurement_table/app/CEditTitle.h"
#include "platform/core/NumberFormat.h"
#include "platform/ui/FlexGridView.h"
#include "platform/ui/QtText.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>
#include <vector>

namespace quilmo {

namespace {

constexpr int kPopupMenu = 909;
constexpr int kVisibleRows = 20;
constexpr int kClipboardFormat = 5909;
constexpr int kAngleTextLimit = 18;
constexpr double kDegree = 3.1415926535 / 180;
constexpr int kMargin = 10;
constexpr int kButtonGap = 25;

std::vector<CString> StylesFor(int kind) {
    std::vector<CString> styles = {CString(u8"年 5 4 0 1 9999"), CString(u8"月 3 2 0 1 12"),
                                   CString(u8"日 3 2 0 1 31"), CString(u8"時 3 2 0 0 24"),
                                   CString(u8"分 3 2 0 0 59")};
    if (kind == CGridDlg1::kThreeDimensional) {
        for (int point = 0; point < 2; ++point) {
            for (const char8_t* style : {u8"dx 7 7 1 -9999 99999", u8"dy 7 7 1 -9999 99999",
                                         u8"(ds) 7 0 1 -9999 99999", u8"dz 7 7 1 -9999 99999"}) {
                styles.emplace_back(style);
            }
        }
    } else {
        for (int point = 0; point < 3; ++point) {
            for (const char8_t* style : {u8"ds 7 7 1 -9999 99999", u8"dz 7 7 1 -9999 99999"}) {
                styles.emplace_back(style);
            }
        }
    }
    return styles;
}

// Calls back when the watched widget loses the focus.
class FocusOutHook : public QObject {
public:
    FocusOutHook(QObject* parent, std::function<void()> onFocusOut)
        : QObject(parent), onFocusOut_(std::move(onFocusOut)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            onFocusOut_();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onFocusOut_;
};

QPushButton* MakeButton(const char8_t* text, QWidget* parent) {
    auto* button = new QPushButton(platform::ToQString(text), parent);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CGridDlg1::CGridDlg1(CWnd* parent, int tableKind, PointList& points, DateList& dates)
    : CGridDlg(parent, tableKind == kThreeDimensional ? IDD_GRID_3D : IDD_GRID_2D, kPopupMenu, tableKind),
      points_(points), dates_(dates), pointsPerPage_(tableKind == kThreeDimensional ? 2 : 3),
      valuesPerPoint_(tableKind == kThreeDimensional ? 4 : 2) {
    CreateDataArray(kDateColumns, kVisibleRows, kClipboardFormat);
    CreateGridStyle(StylesFor(tableKind),
                    CString(IsThreeDimensional() ? u8"計測ﾃﾞｰﾀ入力 (3次元)" : u8"計測ﾃﾞｰﾀ入力 (2次元)"),
                    CString(u8"行番"), -1, -1);
    m_nRowLimit = kRowLimit;
    MapCommand(IDC_GRID_BUTTON1, [this] { PageLeft(); });
    MapCommand(IDC_GRID_BUTTON2, [this] { PageRight(); });
    BuildMenus();
}

CGridDlg1::~CGridDlg1() {
    for (int index = 0; index < pointsPerPage_; ++index) {
        if (CEditTitle* edit = NameEdit(index)) {
            edit->SetDialog(nullptr);
        }
    }
}

void CGridDlg1::BuildMenus() {
    BuildGridTableMenu(menuBar_, GridRowCommands::kDeleteAndInsertBlank);
    SetMenuBar(&menuBar_);
    BuildGridRowPopup(popupMenu_, GridRowCommands::kDeleteAndInsertBlank);
    SetPopupMenu(&popupMenu_);
}

void CGridDlg1::CreateControls() {
    CGridDlg::CreateControls();
    QWidget* dialog = GetWidget();
    AddControl(IDC_TITLE_LABEL, new QLabel(platform::ToQString(u8"ﾃﾞｰﾀ・ﾀｲﾄﾙ："), dialog));
    AddControl(IDC_DATA_TITLE, new QLineEdit(dialog));
    if (IsThreeDimensional()) {
        AddControl(IDC_ANGLE_LABEL, new QLabel(platform::ToQString(u8"断面方向角θ(度)："), dialog));
        AddControl(IDC_ANGLE, new QLineEdit(dialog));
    }
    for (int index = 0; index < pointsPerPage_; ++index) {
        AddControl(IDC_POINT_NAME1 + index, new CEditTitle(index, dialog));
    }
    AddControl(IDC_GRID_BUTTON1, MakeButton(IsThreeDimensional() ? u8"<<-- 左へ" : u8"<<- 左へ", dialog));
    AddControl(IDC_GRID_BUTTON2, MakeButton(IsThreeDimensional() ? u8"右へ -->>" : u8"右へ ->>", dialog));
    AddControl(IDC_GRID_NOTE,
               new QLabel(platform::ToQString(
                              IsThreeDimensional()
                                  ? u8"dx:X方向水平変位　dy:Y方向水平変位　ds:水平変位  dz:鉛直変位　単位(mm)"
                                  : u8"ds:水平変位　dz:鉛直変位　単位(mm)"),
                          dialog));
    if (auto* ok = GetDlgItemWidget(IDOK)) {
        ok->setObjectName(QString::number(IDOK));
    }
    WatchTypedFields();
}

// A typed title, point name or angle is as much the user's work as a typed cell: Cancel asks
// before it is dropped.
void CGridDlg1::WatchTypedFields() {
    std::vector<int> ids = {IDC_DATA_TITLE, IDC_ANGLE};
    for (int index = 0; index < pointsPerPage_; ++index) {
        ids.push_back(IDC_POINT_NAME1 + index);
    }
    for (int id : ids) {
        if (auto* edit = dynamic_cast<QLineEdit*>(GetDlgItemWidget(id))) {
            QObject::connect(edit, &QLineEdit::textEdited, edit, [this] { m_bChanged = TRUE; });
        }
    }
}

CEditTitle* CGridDlg1::NameEdit(int index) const {
    if (index < 0 || index >= pointsPerPage_ || !GetWidget()) {
        return nullptr;
    }
    return dynamic_cast<CEditTitle*>(GetDlgItemWidget(IDC_POINT_NAME1 + index));
}

QLineEdit* CGridDlg1::AngleEdit() const {
    return GetWidget() ? dynamic_cast<QLineEdit*>(GetDlgItemWidget(IDC_ANGLE)) : nullptr;
}

BOOL CGridDlg1::OnInitDialog() {
    for (int index = 0; index < pointsPerPage_; ++index) {
        if (CEditTitle* edit = NameEdit(index)) {
            edit->SetDialog(this);
        }
    }
    // Room above the grid for the title row and the name edits.
    m_nGridTop = kMargin + 2 * 28;
    ShowPointPage();
    const BOOL result = CGridDlg::OnInitDialog();
    SetDlgItemText(IDC_DATA_TITLE, m_strTitle);
    if (QLineEdit* angle = AngleEdit()) {
        angle->setText(platform::IsUnsetDouble(m_dAngle)
                           ? QString()
                           : QString::fromStdString(platform::FormatC("%.3lf", m_dAngle)));
        angle->setModified(false);
        if (!angleHook_) {
            angleHook_ = new FocusOutHook(angle, [this] { OnAngleEditDone(); });
            angle->installEventFilter(angleHook_);
        }
    }
    EnableScrollButtons();
    return result;
}

void CGridDlg1::LayoutControls() {
    CGridDlg::LayoutControls();
    FlexGridView* view = m_grid.View();
    if (!view) {
        return;
    }
    const QRect grid = view->geometry();
    const int rowHeight = RowHeightPixels() + 2;
    const int titleTop = MenuBarHeight() + kMargin;
    QWidget* titleLabel = GetDlgItemWidget(IDC_TITLE_LABEL);
    QWidget* title = GetDlgItemWidget(IDC_DATA_TITLE);
    if (titleLabel && title) {
        titleLabel->setGeometry(grid.left(), titleTop, titleLabel->sizeHint().width(), 24);
        title->setGeometry(titleLabel->geometry().right() + 4, titleTop, 360, 24);
    }
    QWidget* angleLabel = GetDlgItemWidget(IDC_ANGLE_LABEL);
    QWidget* angle = GetDlgItemWidget(IDC_ANGLE);
    if (angleLabel && angle && title) {
        angleLabel->setGeometry(title->geometry().right() + 20, titleTop, angleLabel->sizeHint().width(), 24);
        angle->setGeometry(angleLabel->geometry().right() + 4, titleTop, 90, 24);
    }
    // Each name edit over its point's columns, as the grid shows them now.
    const QPoint origin = view->pos();
    for (int index = 0; index < pointsPerPage_; ++index) {
        CEditTitle* edit = NameEdit(index);
        if (!edit) {
            continue;
        }
        const CRect first = m_grid.GetCellRectPixels(1, PointColumn(index));
        const CRect last = m_grid.GetCellRectPixels(1, PointColumn(index) + valuesPerPoint_ - 1);
        edit->setGeometry(origin.x() + first.left, grid.top() - rowHeight, last.right - first.left,
                          rowHeight);
    }
}

// The unit note below the grid, the page buttons in a row under it from the left, then
// Cancel and OK in that row leftwards from the grid's right edge (OK left of Cancel).
void CGridDlg1::ArrangeButtons() {
    QWidget* grid = GetDlgItemWidget(IDC_GRID);
    if (!grid) {
        return;
    }
    int top = grid->geometry().bottom() + 1 + 6;
    if (QWidget* note = GetDlgItemWidget(IDC_GRID_NOTE)) {
        note->setGeometry(kMargin, top, note->sizeHint().width(), note->sizeHint().height());
        top = note->geometry().bottom() + 1 + 9;
    }
    auto size = [](QWidget* widget) { return widget->sizeHint().expandedTo(QSize(75, 23)); };
    int left = kButtonGap;
    for (int id : {IDC_GRID_BUTTON1, IDC_GRID_BUTTON2}) {
        if (QWidget* button = GetDlgItemWidget(id)) {
            button->setGeometry(QRect(QPoint(left, top), size(button)));
            left = button->geometry().right() + 1 + kButtonGap;
        }
    }
    int rightGroup = 0;
    for (int id : {int(IDOK), int(IDCANCEL)}) {
        if (QWidget* button = GetDlgItemWidget(id)) {
            rightGroup += size(button).width() + kButtonGap;
        }
    }
    int right = grid->geometry().right() + 1;
    const int overlap = left - (right - rightGroup + kButtonGap);
    if (overlap > 0) {
        right += overlap + 10;
    }
    for (int id : {int(IDCANCEL), int(IDOK)}) {
        if (QWidget* button = GetDlgItemWidget(id)) {
            const QSize wanted = size(button);
            button->setGeometry(QRect(QPoint(right - wanted.width(), top), wanted));
            right -= wanted.width() + kButtonGap;
        }
    }
}

bool CGridDlg1::ReadAngleEdit(double& angle) {
    QLineEdit* edit = AngleEdit();
    if (!edit) {
        return true;
    }
    CString text;
    platform::FromQString(edit->text().left(kAngleTextLimit), text);
    text.Trim();
    if (text.IsEmpty()) {
        angle = platform::kUnsetDouble;
        return true;
    }
    if (!platform::ScanDouble(text.GetString(), angle)) {
        ShowMessage(u8"文字入力ｴﾗｰ(編集時)");
        return false;
    }
    edit->setText(QString::fromStdString(platform::FormatC("%.3lf", angle)));
    if (angle < -180 || angle > 180) {
        ShowMessage(u8"断面方向角ｴﾗｰ !!!");
        return false;
    }
    return true;
}

void CGridDlg1::OnAngleEditDone() {
    QLineEdit* edit = AngleEdit();
    if (!edit || !edit->isModified() || m_bBusy) {
        return;
    }
    double angle = platform::kUnsetDouble;
    if (!ReadAngleEdit(angle)) {
        edit->setFocus();
        return;
    }
    edit->setModified(false);
    m_dAngle = angle;
    RecomputeAllDs();
}

void CGridDlg1::OnOK() {
    if (m_bBusy) {
        return;
    }
    QWidget* focus = QApplication::focusWidget();
    if (GetKeyState(VK_RETURN) < 0 && focus && focus != GetDlgItemWidget(IDOK)) {
        focus->nextInFocusChain()->setFocus(Qt::TabFocusReason);
        return;
    }
    CString title;
    GetDlgItemText(IDC_DATA_TITLE, title);
    if (title.GetLength() > kMaxTitleBytes) {
        ShowMessage(u8"ﾀｲﾄﾙが長すぎます(最大50文字)");
        return;
    }
    if (IsThreeDimensional()) {
        double angle = platform::kUnsetDouble;
        if (!ReadAngleEdit(angle)) {
            AngleEdit()->setFocus();
            return;
        }
        if (platform::IsUnsetDouble(angle)) {
            ShowMessage(u8"断面方向角が未定義です");
            AngleEdit()->setFocus();
            return;
        }
        if (angle != m_dAngle) {
            m_dAngle = angle;
            AngleEdit()->setModified(false);
            RecomputeAllDs();
        }
    }
    if (!TakeTableData()) {
        return;
    }
    m_nRows = TrimEmptyRows(m_nRows);
    DropEmptyTailPoints();
    RefreshPage();
    if (!CheckAllCells()) {
        return;
    }
    m_strTitle = title;
    m_bBusy = TRUE;
    const bool saved = !m_confirm || m_confirm(*this);
    m_bBusy = FALSE;
    if (saved) {
        EndDialog(IDOK);
    }
}

// The (ds) of the cell left, when its dx or dy was changed.
void CGridDlg1::ShowCellEditor() {
    if (dsPending_ && IsThreeDimensional() && m_nPrevRow >= 1 && m_nPrevRow <= m_nRows &&
        (m_nPrevRow != m_nCurRow || m_nPrevCol != m_nCurCol)) {
        RecomputeDsCell(m_nPrevCol, m_nPrevRow);
    }
    CGridDlg::ShowCellEditor();
}

void CGridDlg1::RecomputeDsCell(int col, int row) {
    dsPending_ = false;
    const int offset = col - PointColumn(0);
    if (offset < 0 || offset % valuesPerPoint_ > 1) {
        return;
    }
    const int point = offset / valuesPerPoint_;
    CGridData* data = RowAt(row);
    if (!data || point >= pointsPerPage_) {
        return;
    }
    const int base = point * valuesPerPoint_;
    const double dx = data->RealCell(base + CDispData::kDx);
    const double dy = data->RealCell(base + CDispData::kDy);
    double ds = platform::kUnsetDouble;
    if (!platform::IsUnsetDouble(dx) && !platform::IsUnsetDouble(dy) && !platform::IsUnsetDouble(m_dAngle)) {
        ds = std::cos(m_dAngle * kDegree) * dx + std::sin(m_dAngle * kDegree) * dy;
    }
    data->RealCell(base + CDispData::kDs) = ds;
    const int dsColumn = PointColumn(point) + CDispData::kDs;
    m_bUpdating = TRUE;
    m_grid.SetTextMatrix(row, dsColumn, m_columns.FormatCell(*data, dsColumn - 1));
    m_bUpdating = FALSE;
}

void CGridDlg1::OnChangeCellEdit() {
    if (m_bUpdating || !m_pCellEdit) {
        return;
    }
    if (m_bRowSelecting || m_pCellEdit->isReadOnly()) {
        ShowMessage(u8"入力はできません");
        ShowCellEditor();
        return;
    }
    CGridDlg::OnChangeCellEdit();
    if (m_nCurCol > kDateColumns && m_nCurCol <= m_columns.Count() && m_columns.IsEditable(m_nCurCol - 1)) {
        dsPending_ = true;
    }
}

void CGridDlg1::RefreshPage() {
    ShowPointPage();
    EnableScrollButtons();
    UpdateGridRows();
    ShowRowsFrom(1);
    LayoutControls();
    ShowCellEditor();
}

} // namespace quilmo
