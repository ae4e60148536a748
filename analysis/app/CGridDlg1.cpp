#include "analysis/app/CGridDlg1.h"

#include "analysis/app/PointTableDlg.h"

#include "common/ui/table/GridMenus.h"
#include "platform/core/Unset.h"
#include "platform/ui/QtText.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace torvan {

namespace {

constexpr int kFlagColumn = 5;
constexpr int kKindTextColumn = 6;
constexpr int kBlockLineXColumn = 2;

} // namespace

CGridDlg1::CGridDlg1(CWnd* ownerView, UINT templateId, UINT popupMenuId, int kind, int visibleRows)
    : CGridDlg(ownerView, templateId, popupMenuId, kind), m_nKind(kind), m_nTemplateId(templateId),
      m_nVisibleRowCount(visibleRows) {
    m_notifyMessage = WM_GRID_CHECK_ROWS;
    m_notifyOwner = [this](UINT message, int, CGridDlg*) { return Send(message, this); };
    MapCommand(IDC_GRID_BUTTON1, [this] { OnTakePoints(); });
    if (m_nKind == kTableBlockLines) {
        BuildRowMenu();
    } else if (m_nKind == kTableBoundaryPoints) {
        BuildGridTableMenu(menuBar_);
        SetMenuBar(&menuBar_);
    }
}

CGridDlg1::~CGridDlg1() {
    *alive_ = false;
}

// The block-line table has only the row commands, never the jump and search menu.
void CGridDlg1::BuildRowMenu() {
    BuildGridTableMenu(menuBar_, GridRowCommands::kAll, false);
    SetMenuBar(&menuBar_);
}

long CGridDlg1::Send(UINT message, void* param) {
    if (!m_sendToOwner) {
        return 1;
    }
    const BOOL wasBusy = m_bBusy;
    m_bBusy = TRUE;
    const long answer = m_sendToOwner(message, m_nKind, param);
    m_bBusy = wasBusy;
    return answer;
}

void CGridDlg1::CreateControls() {
    CGridDlg::CreateControls();
    if (m_nKind == kTableBlockLines) {
        auto* middle = new QPushButton(platform::ToQString(u8"中点"), GetWidget());
        middle->setAutoDefault(false);
        AddControl(IDC_GRID_BUTTON1, middle);
    } else if (m_nKind == kTableBoundaryPoints) {
        AddControl(
            IDC_GRID_NOTE,
            new QLabel(platform::ToQString(
                           u8"ﾌﾗｸﾞ  0:地中  1:左地表 2:右地表\n注）地表境界点はX座標のみ指定して下さい。"),
                       GetWidget()));
    }
}

BOOL CGridDlg1::CreateModeless() {
    CDialog::Create(m_nTemplateId, m_pParentWnd);
    return Dialog() != nullptr;
}

// The table opens at the top-left corner of the program's window, whole on the screen.
BOOL CGridDlg1::OnInitDialog() {
    const BOOL result = CGridDlg::OnInitDialog();
    lastRow_ = m_nCurRow;
    lastCol_ = m_nCurCol;
    QWidget* dialog = GetWidget();
    QWidget* owner = m_pParentWnd ? m_pParentWnd->GetWidget() : nullptr;
    if (!dialog || !owner) {
        return result;
    }
    const QPoint corner = owner->window()->geometry().topLeft();
    const QScreen* screen = owner->screen() ? owner->screen() : QApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(corner, dialog->size());
    const QSize size = dialog->frameGeometry().size();
    const int x = std::clamp(corner.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width()));
    const int y = std::clamp(corner.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height()));
    dialog->move(x, y);
    return result;
}

void CGridDlg1::OnOK() {
    if (m_nKind == kTableBoundaryPoints) {
        CGridDlg::OnOK();
        return;
    }
    if (m_bBusy || closing_) {
        return;
    }
    if (!CheckAllCells()) {
        return;
    }
    if (Send(WM_GRID_OK, this) != 0) {
        CloseModeless();
    }
}

void CGridDlg1::OnCancel() {
    if (m_nKind == kTableBoundaryPoints) {
        CGridDlg::OnCancel();
        return;
    }
    if (m_bBusy || closing_) {
        return;
    }
    if (m_bChanged && ShowMessage(u8"変更したデータが失われますが、よろしいですか？",
                                  MB_YESNO | MB_ICONQUESTION) != IDYES) {
        if (m_pCellEdit) {
            m_pCellEdit->setFocus();
            m_pCellEdit->selectAll();
        }
        return;
    }
    Send(WM_GRID_CANCEL, this);
    CloseModeless();
}

// The window hides at once; the owner hears that it is gone on the next turn, when no
// handler of the table is running any more, and the table object goes with it.
void CGridDlg1::CloseModeless() {
    closing_ = true;
    if (QDialog* dialog = Dialog()) {
        dialog->hide();
    }
    std::weak_ptr<bool> alive = alive_;
    QTimer::singleShot(0, [this, alive] {
        if (alive.expired()) {
            return;
        }
        if (Send(WM_GRID_GONE, &m_rows) == 0) {
            AfxMessageBox(u8"表入力ﾀﾞｲｱﾛｸﾞの終了処理ｴﾗｰ(PostNcDestroy)!!");
        }
        delete this;
    });
}

void CGridDlg1::ShowCellEditor() {
    if (!takingCell_ && (m_nCurRow != lastRow_ || m_nCurCol != lastCol_)) {
        const int row = lastRow_;
        const int col = lastCol_;
        lastRow_ = m_nCurRow;
        lastCol_ = m_nCurCol;
        takingCell_ = true;
        TakeLeftCell(row, col);
        takingCell_ = false;
    }
    CGridDlg::ShowCellEditor();
}

void CGridDlg1::TakeLeftCell(int row, int col) {
    if (m_nChangeEdit == 1 && row >= 1) {
        if (m_nKind == kTableBlockLines) {
            TakeLeftBlockLineCell(row, col);
        } else if (m_nKind == kTableBoundaryPoints && col == kFlagColumn) {
            ShowFlagText(row);
        }
    }
    if (m_nKind >= kTableGroundPoints && m_nKind <= kTableGroundLine) {
        m_nChangeEdit = 0;
    }
}

void CGridDlg1::TakeLeftBlockLineCell(int row, int col) {
    CGridData* data = RowAt(row);
    if (!data) {
        return;
    }
    bool lineNumberLeft = col == 1;
    if (col == kBlockLineXColumn && Send(WM_GRID_BLOCK_LINE_OUTSIDE, data) == 0) {
        m_grid.SetTextMatrix(row, kBlockLineXColumn, CString());
        data->RealCell(0) = platform::kUnsetDouble;
        ShowMessage(u8"ﾌﾞﾛｯｸ線指定ｴﾗｰです");
        lineNumberLeft = true;
    }
    if (lineNumberLeft || !platform::IsUnsetInt(data->IntCell(0))) {
        Send(WM_GRID_BLOCK_LINES_CHANGED, this);
        m_nChangeEdit = 0;
    }
}

void CGridDlg1::ShowFlagText(int row) {
    CGridData* data = RowAt(row);
    if (!data) {
        return;
    }
    const int flag = data->IntCell(1);
    const CString text = GetCodeText(kFlagColumn, flag);
    data->TextCell(1) = text;
    m_grid.SetTextMatrix(row, kKindTextColumn, text);
    if (!platform::IsUnsetInt(flag) && (flag < 0 || flag > 2)) {
        ShowMessage(u8"ﾌﾗｸﾞは 0～2です");
    }
}

CString CGridDlg1::GetCodeText(int column, int value) const {
    if (m_nKind != kTableBoundaryPoints || column != kFlagColumn) {
        return CString();
    }
    switch (value) {
    case 0:
        return CString(u8"地中");
    case 1:
        return CString(u8"左地表");
    case 2:
        return CString(u8"右地表");
    default:
        return CString();
    }
}

void CGridDlg1::OnChangeCellEdit() {
    if (m_bUpdating || m_bInitialising) {
        return;
    }
    CGridDlg::OnChangeCellEdit();
    m_nChangeEdit = 1;
}

void CGridDlg1::CutCurrentRow() {
    if (m_nKind != kTableBlockLines) {
        CGridDlg::CutCurrentRow();
        return;
    }
    const int rows = m_nRows;
    CGridDlg::CutCurrentRow();
    if (m_nRows != rows) {
        Send(WM_GRID_BLOCK_LINES_CHANGED, this);
        m_nChangeEdit = 0;
    }
}

void CGridDlg1::DeleteSelectedRows() {
    if (m_nKind != kTableBlockLines) {
        CGridDlg::DeleteSelectedRows();
        return;
    }
    if (!m_bRowSelecting || m_nSelStart < 1) {
        return;
    }
    CGridDlg::DeleteSelectedRows();
    Send(WM_GRID_BLOCK_LINES_CHANGED, this);
    m_nChangeEdit = 0;
}

void CGridDlg1::OnTakePoints() {
    if (m_bBusy || Send(WM_GRID_TAKE_POINTS, this) == 0) {
        return;
    }
    m_nChangeEdit = 0;
    RefreshGrid();
    SetCurrentCell(1, 1);
}

void CGridDlg1::RefreshGrid() {
    const int row = m_nCurRow >= 1 && m_nCurRow <= m_nRows ? m_nCurRow : 1;
    UpdateGridRows();
    ShowRowsFrom(1);
    lastRow_ = row;
    lastCol_ = m_nCurCol;
    SetCurrentCell(row, m_nCurCol);
}

int CGridDlg1::AddPickedPoints(const std::vector<DPoint>& points) {
    if (points.empty() || m_nRows >= m_nRowLimit) {
        return 0;
    }
    int largest = 0;
    POSITION pos = m_rows.GetHeadPosition();
    for (int i = 0; i < m_nRows && pos; ++i) {
        const int number = static_cast<CGridData*>(m_rows.GetNext(pos))->IntCell(0);
        if (!platform::IsUnsetInt(number)) {
            largest = std::max(largest, number);
        }
    }
    // Rows past the data (left empty by a trim) are dropped before the new one.
    while (m_rows.GetCount() > m_nRows) {
        delete m_rows.RemoveTail();
    }
    CGridData* row = m_columns.NewRow();
    row->IntCell(0) = largest + 1;
    row->RealCell(0) = points.front().x;
    row->RealCell(1) = 0.1;
    m_rows.AddTail(row);
    ++m_nRows;
    m_bChanged = TRUE;
    m_nChangeEdit = 0;
    UpdateGridRows();
    ShowRowsFrom(m_nRows);
    if (m_nRows > m_nVisibleRows) {
        m_grid.SetTopRow(m_nRows - m_nVisibleRows + 1);
    }
    lastRow_ = m_nRows;
    SetCurrentCell(m_nRows, m_nCurCol);
    return 1;
}

} // namespace torvan
