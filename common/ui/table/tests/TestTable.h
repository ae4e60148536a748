#pragma once
// A test owner of the table dialog: number, X (2 decimals), coefficient (exponent form) and
// name columns, a menu bar with every row command, and helpers that type into the cell
// editor, press keys and click the grid the way a person does.

#include "common/ui/table/CGridDlg.h"
#include "platform/ui/CMenu.h"

#include <QString>
#include <functional>
#include <string>
#include <vector>

class QWidget;

class TestTable : public CGridDlg {
public:
    static constexpr int kKind = 802;

    // withMenu false: no menu bar, so no row command that needs permission runs.
    explicit TestTable(int rowLimit = 100, bool withMenu = true, CWnd* parent = nullptr);

    // Creates and shows the dialog modelessly (the tests drive it without a modal loop).
    void Open();
    bool IsOpen() const;

    void Type(const QString& text);
    void Key(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void GridKey(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Left press on the row header of row `from`, release on row `to`.
    void SelectRows(int from, int to);
    // Clicks the cell (row, col) of the grid.
    void ClickCell(int row, int col);
    // Puts the current cell at (row, col) by clicking it.
    void GoTo(int row, int col) { ClickCell(row, col); }

    QString EditText() const;
    std::string CellUtf8(int row, int col);
    // Every data row as "int|real|exponent|text", unset cells empty.
    std::vector<std::string> RowsAsText();

    // Fills rows directly (before Open): {int, real, exponent, text} as shown texts.
    void AddRow(const char* number, const char* x, const char* coefficient, const char8_t* name);

    static UINT ClipboardFormat();
    // Where the dialog asks to be placed (before Open): -1 centres it on the owner.
    void SetPosition(int x, int y);
    int TopRow() { return static_cast<int>(Grid().GetTopRow()); }

private:
    CMenu menuBar_;
    CMenu popupMenu_;
};

// Runs `answer` on the next modal dialog that opens (from inside its modal loop).
void AnswerNextDialog(const std::function<void(QWidget*)>& answer);
// Sets the text of the line edit with that control id in a dialog and clicks the button id.
void FillAndPress(QWidget* dialog, int editId, const QString& text, int buttonId);
// Clicks a button of a dialog by control id.
void PressButton(QWidget* dialog, int buttonId);
