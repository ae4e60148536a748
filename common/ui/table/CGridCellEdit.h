#pragma once
// The edit box laid over the current cell of a table dialog. It wants every key: moves,
// row commands and the key hooks go to the dialog; typing changes the text, which the dialog
// checks and stores at each change. Text pasted from the desktop (Shift+Insert or the
// edit's own menu) goes to the dialog too, which may spread tab-separated cells over the
// table; Ctrl+V is the dialog's row command. A click on the edit selects its whole text, as
// coming to a cell does, so typing replaces the value (a drag still selects a part).

#include <QLineEdit>

class CGridDlg;

class CGridCellEdit : public QLineEdit {
public:
    explicit CGridCellEdit(QWidget* parent = nullptr);
    void SetDialog(CGridDlg* dialog) { dialog_ = dialog; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void PasteFromClipboard();

    CGridDlg* dialog_ = nullptr;
};
