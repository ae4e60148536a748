// Keys that take the focus out of the grid or end its cell edit. Enter in a table whose
// owner takes it as "next field": the cell edit uses Enter itself; an Enter that the focused
// control leaves alone reaches the dialog, and is taken here. Ctrl+Tab leaves the grid, and so
// does Tab past the last cell of the empty row below the data (Shift+Tab before the first
// cell); Esc puts the cell back (a second Esc cancels), since Tab and Esc belong to the cells.

#include "common/ui/table/CGridDlg.h"

#include "common/ui/table/CGridCellEdit.h"
#include "platform/ui/FlexGridView.h"
#include "platform/ui/QtText.h"

#include <QDialog>
#include <QEvent>
#include <QKeyEvent>

namespace {

class EnterHook : public QObject {
public:
    EnterHook(QObject* parent, std::function<void()> onEnter)
        : QObject(parent), onEnter_(std::move(onEnter)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                onEnter_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onEnter_;
};

bool TakesTabFocus(const QWidget* widget, const QWidget* window) {
    return (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() && widget->isVisibleTo(window);
}

} // namespace

void CGridDlg::LeaveGrid(bool forward) {
    QWidget* grid = m_grid.View();
    QWidget* from = m_pCellEdit && m_pCellEdit->isVisible() ? static_cast<QWidget*>(m_pCellEdit) : grid;
    if (!from) {
        return;
    }
    auto inGrid = [&](const QWidget* widget) {
        return widget == m_pCellEdit || (grid && (widget == grid || grid->isAncestorOf(widget)));
    };
    auto step = [forward](QWidget* widget) {
        return forward ? widget->nextInFocusChain() : widget->previousInFocusChain();
    };
    for (QWidget* next = step(from); next && next != from; next = step(next)) {
        if (!inGrid(next) && TakesTabFocus(next, GetWidget())) {
            next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

bool CGridDlg::TabLeavesGrid(bool forward) const {
    bool editableBeyond = false;
    for (int col = forward ? m_nCurCol + 1 : m_nCurCol - 1; col >= 1 && col <= m_columns.Count();
         col += forward ? 1 : -1) {
        editableBeyond = editableBeyond || m_columns.IsEditable(col - 1);
    }
    if (editableBeyond) {
        return false;
    }
    return forward ? m_nCurRow > m_nRows : m_nCurRow <= 1;
}

bool CGridDlg::RestoreCellText() {
    if (!m_pCellEdit || !m_pCellEdit->isVisible() || m_pCellEdit->isReadOnly()) {
        return false;
    }
    const QString entry = platform::ToQString(m_cellEntryText);
    if (m_pCellEdit->text() == entry) {
        return false;
    }
    // Through the edit's change handling, so the value stored goes back as well.
    m_pCellEdit->setText(entry);
    m_pCellEdit->selectAll();
    return true;
}

void CGridDlg::InstallEnterHook() {
    if (!m_pEnterHook) {
        m_pEnterHook = new EnterHook(GetWidget(), [this] { OnEnterKey(); });
        GetWidget()->installEventFilter(m_pEnterHook);
    }
}

void CGridDlg::OnEnterKey() {
    QWidget* ok = GetDlgItemWidget(IDOK);
    QWidget* focus = GetWidget()->focusWidget();
    if (!focus || focus == ok) {
        OnOK();
        return;
    }
    FocusNextControl(focus);
}
