#include "common/ui/table/CGridDlg.h"

#include "common/ui/table/CGridConfirmDlg.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/Unset.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/FlexGridView.h"
#include "platform/ui/QtClipboardBackend.h"
#include "platform/ui/QtText.h"
#include "platform/ui/TerminationWatch.h"

#include <QAction>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <cmath>

IMPLEMENT_DYNAMIC(CGridDlg, CDialog)

namespace {

constexpr int kGridLeft = 10;

// Forwards the dialog widget's resizes and its showing to the dialog object.
class DialogHook : public QObject {
public:
    DialogHook(QObject* parent, std::function<void(int, int)> onResize, std::function<void()> onShow)
        : QObject(parent), onResize_(std::move(onResize)), onShow_(std::move(onShow)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) {
            auto* resize = static_cast<QResizeEvent*>(event);
            onResize_(resize->oldSize().height(), resize->size().height());
        } else if (event->type() == QEvent::Show) {
            onShow_();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(int, int)> onResize_;
    std::function<void()> onShow_;
};

QRect AvailableScreen(const QWidget* widget) {
    const QScreen* screen = widget && widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    return screen->availableGeometry();
}

// Moves a rectangle inside the screen: a negative coordinate becomes the screen's edge, an
// overhang is pulled back.
QPoint InsideScreen(const QRect& rect, const QRect& screen) {
    const int x =
        std::clamp(rect.left(), screen.left(), std::max(screen.left(), screen.right() + 1 - rect.width()));
    const int y =
        std::clamp(rect.top(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - rect.height()));
    return QPoint(x, y);
}

} // namespace

CGridDlg::CGridDlg(CWnd* parent, UINT templateId, UINT popupMenuId, int tableKind)
    : CDialog(templateId, parent), m_nTableKind(tableKind), m_nPopupMenuId(popupMenuId) {
    MapCommand(ID_GRID_COPY, [this] { CopySelectedRows(); });
    MapCommand(ID_GRID_DELETE, [this] { DeleteSelectedRows(); });
    MapCommand(ID_GRID_INSERT_SELECTED, [this] { InsertSelectedRows(); });
    MapCommand(ID_GRID_INSERT_BLANK, [this] { InsertBlankRows(); });
    MapCommand(ID_GRID_PASTE, [this] { PasteRows(); });
    MapCommand(ID_GRID_JUMP, [this] { JumpToRow(); });
    MapCommand(ID_GRID_FIND, [this] { FindText(); });
    MapCommand(ID_GRID_FIND_AGAIN, [this] { FindAgain(); });
    platform::InstallQtClipboard();
}

CGridDlg::~CGridDlg() {
    m_grid.SetEvents(nullptr);
    if (m_pCellEdit) {
        m_pCellEdit->SetDialog(nullptr);
    }
    DeleteRowData();
}

void CGridDlg::CreateDataArray(int columns, int visibleRows, UINT clipboardFormat) {
    (void)columns; // the style strings give the columns
    m_nVisibleRows = std::clamp(visibleRows, kMinVisibleRows, kMaxVisibleRows);
    m_clipboardFormat = clipboardFormat;
    m_nRowLimit = 0;
    m_bChanged = m_bBusy = m_bUpdating = m_bInitialising = m_bCellChangePending = m_bRowSelecting = FALSE;
    m_bCanCopy = m_bCanDelete = m_bCanInsertSelected = m_bCanInsertBlank = m_bCanPaste = FALSE;
    m_nSelStart = m_nSelEnd = -1;
    m_nLastJumpRow = 1;
    m_nInsertCount = 1;
    m_bSearchForward = TRUE;
    m_searchText.Empty();
    std::fill(std::begin(m_rowHeights), std::end(m_rowHeights), 0);
}

void CGridDlg::CreateGridStyle(const std::vector<CString>& styles, const char* title, const char* rowCaption,
                               int x, int y) {
    m_columns.Parse(styles);
    m_title = title ? title : "";
    m_rowCaption = rowCaption && *rowCaption ? CString(rowCaption) : CString(u8"行番");
    m_nPosX = x;
    m_nPosY = y;
}

int CGridDlg::ShowMessage(const CString& text, UINT type, UINT helpId) {
    MessageBeep(0);
    m_bBusy = TRUE;
    const int answer = AfxMessageBox(text, type, helpId);
    m_bBusy = FALSE;
    return answer;
}

int CGridDlg::ShowMessage(const char8_t* text, UINT type, UINT helpId) {
    return ShowMessage(CString(text), type, helpId);
}

void CGridDlg::CreateControls() {
    QWidget* dialog = GetWidget();
    AddControl(IDC_GRID, CMSHFlexGrid::CreateControl(dialog));
    auto* edit = new CGridCellEdit(dialog);
    AddControl(IDC_GRID_CELL_EDIT, edit);
    auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setAutoDefault(false);
    AddControl(IDOK, ok);
    auto* cancel = new QPushButton(platform::ToQString(u8"ｷｬﾝｾﾙ"), dialog);
    cancel->setAutoDefault(false);
    AddControl(IDCANCEL, cancel);
}

CGridData* CGridDlg::RowAt(int row) const {
    POSITION pos = m_rows.FindIndex(row - 1);
    return pos ? static_cast<CGridData*>(m_rows.GetAt(pos)) : nullptr;
}

void CGridDlg::DeleteRowData() {
    while (!m_rows.IsEmpty()) {
        delete m_rows.RemoveHead();
    }
}

int CGridDlg::FirstEditableColumn() const {
    for (int col = 0; col < m_columns.Count(); ++col) {
        if (m_columns.IsEditable(col)) {
            return col + 1;
        }
    }
    return 1;
}

BOOL CGridDlg::OnInitDialog() {
    m_bInitialising = TRUE;
    CDialog::OnInitDialog();
    m_pCellEdit = dynamic_cast<CGridCellEdit*>(GetDlgItemWidget(IDC_GRID_CELL_EDIT));
    if (!m_grid.SubclassDlgItem(IDC_GRID, this) || !m_pCellEdit) {
        ShowMessage(u8"コントロールエラー　SubclassDlgItem");
        m_bInitialising = FALSE;
        return TRUE;
    }
    m_pCellEdit->SetDialog(this);
    GetWidget()->ensurePolished(); // fonts and header sizes as they will be shown
    m_grid.SetEvents(this);
    m_grid.SetRedraw(FALSE);
    m_grid.SetFixedRows(1);
    m_grid.SetFixedCols(1);
    m_grid.SetCols(m_columns.Count() + 1);

    UpdateGridRows();
    ShowRowsFrom(1);
    for (int col = 1; col <= m_columns.Count(); ++col) {
        m_grid.SetTextMatrix(0, col, m_columns.Caption(col - 1));
    }
    m_grid.SetTextMatrix(0, 0, m_rowCaption);
    m_grid.SetRedraw(TRUE);
    // Widths in characters of the grid font, rounded to whole pixels, plus the margins the
    // view draws its texts within; set once the grid redraws again, since a shape changed
    // while it did not reaches its header only then.
    const double charWidth = m_grid.GetFontSize() * 10.0 / 17.0;
    const QWidget* view = m_grid.View();
    const int textMargins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    for (int col = 0; col <= m_columns.Count(); ++col) {
        const int chars =
            col == 0 ? 5 : std::max(m_columns.DisplayWidth(col - 1), m_columns.Caption(col - 1).GetLength());
        const long twips = std::lround(chars * charWidth) * 1440 / 72 + (col == 0 ? 0 : 1);
        m_grid.SetColWidth(col, m_grid.PixelsToTwipsX(m_grid.TwipsToPixelsX(twips) + textMargins));
        m_grid.SetColAlignmentFixed(col, flexAlignCenterCenter);
        const bool text = col > 0 && m_columns.Kind(col - 1) == GridColumnKind::Text;
        m_grid.SetColAlignment(col, text ? flexAlignLeftCenter : flexAlignRightCenter);
    }
    // Heights are read once the header holds its captions.
    m_rowHeights[0] = m_grid.GetRowHeight(0);
    for (int row = 1; row <= kMaxVisibleRows; ++row) {
        m_rowHeights[row] = m_grid.GetRowHeight(1);
    }

    m_nCurRow = m_nPrevRow = 1;
    m_nCurCol = m_nPrevCol = FirstEditableColumn();
    m_grid.SetRow(m_nCurRow);
    m_grid.SetCol(m_nCurCol);
    m_bRowSelecting = FALSE;
    m_nSelStart = m_nSelEnd = -1;
    ReadMenuPermissions();
    LayoutControls();
    ArrangeButtons();
    PlaceDialog();
    ShowCellEditor();
    if (!m_pEventHook) {
        m_pEventHook = new DialogHook(
            GetWidget(), [this](int oldHeight, int newHeight) { ResizeEvent(oldHeight, newHeight); },
            [this] {
                KeepOnScreen();
                // The grid settles its header widths once shown: what lies over its cells
                // is placed again then.
                QTimer::singleShot(0, GetWidget(), [this] {
                    LayoutControls();
                    if (m_pCellEdit && !m_pCellEdit->isHidden()) {
                        ShowCellEditor();
                    }
                });
            });
        GetWidget()->installEventFilter(m_pEventHook);
    }
    if (m_bEnterStepsFields) {
        InstallEnterHook();
    }
    m_bInitialising = FALSE;
    return FALSE; // the cell edit has the focus
}

// The menu bar (if any) is shown above the grid; its items that are not greyed, also in
// sub-menus, enable the row commands.
void CGridDlg::ReadMenuPermissions() {
    m_bCanCopy = m_bCanDelete = m_bCanInsertSelected = m_bCanInsertBlank = m_bCanPaste = FALSE;
    if (!m_pMenuBar || !m_pMenuBar->Menu()) {
        return;
    }
    if (!m_pMenuBarWidget) {
        m_pMenuBarWidget = new QMenuBar(GetWidget());
        for (QAction* action : m_pMenuBar->Menu()->actions()) {
            m_pMenuBarWidget->addAction(action);
        }
        QObject::connect(m_pMenuBarWidget, &QMenuBar::triggered, m_pMenuBarWidget, [this](QAction* action) {
            if (UINT id = CMenu::ActionId(action)) {
                RouteCommand(id);
            }
        });
        m_pMenuBarWidget->adjustSize();
        m_pMenuBarWidget->show();
    }
    auto enabled = [this](UINT id) {
        QAction* action = m_pMenuBar->FindAction(id);
        return action && action->isEnabled() ? TRUE : FALSE;
    };
    m_bCanCopy = enabled(ID_GRID_COPY);
    m_bCanDelete = enabled(ID_GRID_DELETE);
    m_bCanInsertSelected = enabled(ID_GRID_INSERT_SELECTED);
    m_bCanInsertBlank = enabled(ID_GRID_INSERT_BLANK);
    m_bCanPaste = enabled(ID_GRID_PASTE);
}

int CGridDlg::MenuBarHeight() const {
    return m_pMenuBarWidget ? m_pMenuBarWidget->sizeHint().height() : 0;
}

int CGridDlg::RowHeightPixels() const {
    return std::max(1, m_grid.TwipsToPixelsY(m_rowHeights[1]));
}

void CGridDlg::UpdateGridRows() {
    const int rows =
        m_nRows == 0 ? 1 + m_nVisibleRows : 1 + std::min(m_nRows, m_nRowLimit) + m_nVisibleRows - 1;
    m_grid.SetRows(rows);
}

void CGridDlg::ShowRowsFrom(int row) {
    const BOOL redraw = m_grid.GetRedraw();
    m_grid.SetRedraw(FALSE);
    const long gridRows = m_grid.GetRows();
    POSITION pos = m_rows.FindIndex(row - 1);
    for (int r = std::max(row, 1); r < gridRows; ++r) {
        m_grid.SetTextMatrix(r, 0, platform::FormatC("%d", r).c_str());
        if (r <= m_nRows && pos) {
            FillRow(static_cast<CGridData*>(m_rows.GetNext(pos)), r);
        } else {
            for (int col = 1; col <= m_columns.Count(); ++col) {
                m_grid.SetTextMatrix(r, col, "");
            }
        }
    }
    m_grid.SetRedraw(redraw);
}

void CGridDlg::FillRow(CGridData* row, int gridRow) {
    for (int col = 0; col < m_columns.Count(); ++col) {
        m_grid.SetTextMatrix(gridRow, col + 1, m_columns.FormatCell(*row, col));
    }
}

void CGridDlg::LayoutControls() {
    FlexGridView* view = m_grid.View();
    if (!view) {
        return;
    }
    int width = view->verticalHeader()->width() + 2 * view->frameWidth();
    for (int col = 1; col <= m_columns.Count(); ++col) {
        width += m_grid.TwipsToPixelsX(m_grid.GetColWidth(col));
    }
    width += view->verticalScrollBar()->sizeHint().width();
    // One pixel more than the frame keeps the last row's bottom line inside the view.
    const int height = m_grid.TwipsToPixelsY(m_rowHeights[0]) + m_nVisibleRows * RowHeightPixels() +
                       2 * view->frameWidth() + 1;
    const QRect wanted(kGridLeft, m_nGridTop + MenuBarHeight(), width, height);
    if (view->geometry() != wanted) {
        view->setGeometry(wanted);
    }
    if (m_pMenuBarWidget) {
        m_pMenuBarWidget->setGeometry(0, 0, std::max(GetWidget()->width(), width + 2 * kGridLeft),
                                      MenuBarHeight());
    }
}

void CGridDlg::ArrangeButtons() {
    QWidget* grid = GetDlgItemWidget(IDC_GRID);
    if (!grid) {
        return;
    }
    const int top = grid->geometry().bottom() + 1 + 9;
    int lowest = top;
    auto place = [&lowest](QWidget* widget, int x, int y) {
        const QSize size = widget->sizeHint().expandedTo(QSize(75, 23));
        widget->setGeometry(x, y, size.width(), size.height());
        lowest = std::max(lowest, y + size.height());
    };
    if (QWidget* note = GetDlgItemWidget(IDC_GRID_NOTE)) {
        place(note, 10, top);
    }
    int x = 20;
    for (int id : {IDC_GRID_BUTTON1, IDC_GRID_BUTTON2}) {
        if (QWidget* button = GetDlgItemWidget(id)) {
            place(button, x, top);
            x = button->geometry().right() + 1 + 20;
        }
    }
    QWidget* foot = GetDlgItemWidget(IDC_GRID_FOOT);
    int right = grid->geometry().right() + 1;
    if (foot) {
        right = std::max(right, 10 + foot->sizeHint().width());
    }
    for (int id : {int(IDOK), int(IDCANCEL), int(ID_HELP), int(IDC_GRID_BUTTON3)}) {
        if (QWidget* button = GetDlgItemWidget(id)) {
            const int width = button->sizeHint().expandedTo(QSize(75, 23)).width();
            place(button, right - width, top);
            right -= width + 20;
        }
    }
    if (foot) {
        place(foot, 10, lowest + 20);
    }
}

void CGridDlg::PlaceDialog() {
    QWidget* dialog = GetWidget();
    if (!m_title.IsEmpty()) {
        SetWindowText(m_title);
    }
    QRect extent;
    for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isHidden() && child->isEnabled() && child != m_pCellEdit && child != m_pMenuBarWidget) {
            extent = extent.united(child->geometry());
        }
    }
    dialog->resize(extent.right() + 1 + 20, extent.bottom() + 1 + 10);
    const int unset = platform::kUnsetInt;
    if (m_nPosX == -1 || m_nPosY == -1) {
        QWidget* owner = dialog->parentWidget();
        const QRect around = owner ? owner->window()->frameGeometry() : AvailableScreen(dialog);
        QRect placed(QPoint(0, 0), dialog->size());
        placed.moveCenter(around.center());
        dialog->move(InsideScreen(placed, AvailableScreen(owner ? owner : dialog)));
        m_bKeepOnScreen = TRUE;
    } else if (m_nPosX == -2 || m_nPosY == -2) {
        QWidget* owner = dialog->parentWidget();
        if (owner && owner->parentWidget()) {
            dialog->move(owner->parentWidget()->window()->geometry().topLeft());
        }
    } else if (m_nPosX != unset && m_nPosY != unset) {
        dialog->move(m_nPosX, m_nPosY);
    }
    m_nPosX = m_nPosY = unset;
}

// The window frame is known only once the dialog shows: then it is pulled inside the screen.
void CGridDlg::KeepOnScreen() {
    if (!m_bKeepOnScreen) {
        return;
    }
    m_bKeepOnScreen = FALSE;
    QWidget* dialog = GetWidget();
    const QRect frame = dialog->frameGeometry();
    const QPoint inside = InsideScreen(frame, AvailableScreen(dialog));
    if (inside != frame.topLeft()) {
        dialog->move(inside);
    }
}

// A change of the client height by whole rows changes the rows shown, within 5..30.
void CGridDlg::ResizeEvent(int oldHeight, int newHeight) {
    if (m_bInitialising || oldHeight <= 0 || !m_grid.View()) {
        return;
    }
    const int rowPixels = RowHeightPixels();
    const int step = (newHeight - oldHeight) / rowPixels;
    const int wanted = std::clamp(m_nVisibleRows + step, kMinVisibleRows, kMaxVisibleRows);
    if (wanted == m_nVisibleRows) {
        return;
    }
    m_nVisibleRows = wanted;
    UpdateGridRows();
    ShowRowsFrom(std::max(1, m_nRows));
    LayoutControls();
    ArrangeButtons();
    EnsureRowVisible();
}

BOOL CGridDlg::AcceptText(int, int, const CString&) {
    return TRUE;
}

BOOL CGridDlg::CheckAllCells() {
    POSITION pos = m_rows.GetHeadPosition();
    for (int row = 1; row <= m_nRows && pos; ++row) {
        auto* data = static_cast<CGridData*>(m_rows.GetNext(pos));
        for (int col = 0; col < m_columns.Count(); ++col) {
            CString message = m_columns.CheckRange(*data, col);
            if (message.IsEmpty() && m_columns.Kind(col) == GridColumnKind::Text &&
                !AcceptText(row, col + 1, data->TextCell(m_columns.KindIndex(col)))) {
                message = CString(u8"入力形式エラー");
            }
            if (!message.IsEmpty()) {
                ShowMessage(message);
                SetCurrentCell(row, col + 1);
                return FALSE;
            }
        }
    }
    if (m_notifyMessage && m_notifyOwner && m_notifyOwner(m_notifyMessage, m_nTableKind, this) == 0) {
        return FALSE;
    }
    return TRUE;
}

void CGridDlg::OnOK() {
    if (m_bBusy) {
        return;
    }
    if (!CheckAllCells()) {
        return;
    }
    EndDialog(IDOK);
}

void CGridDlg::OnCancel() {
    if (m_bBusy) {
        return;
    }
    // A program ending on a signal drops the edits unasked, as it drops a modified document.
    if (m_bChanged && !platform::TerminationWatch::Ending()) {
        CGridConfirmDlg confirm(this, CString(u8"変更されていますが、キャンセルしますか？"));
        m_bBusy = TRUE;
        const int answer = confirm.DoModal();
        m_bBusy = FALSE;
        if (answer != IDOK) {
            if (m_pCellEdit) {
                m_pCellEdit->setFocus();
            }
            return;
        }
    }
    EndDialog(IDCANCEL);
}
