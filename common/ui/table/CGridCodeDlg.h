#pragma once
// A table with a coded column: an int column whose values 0..n-1 each stand for a text, and
// a read-only column beside it that spells the value out. Leaving an edited cell of the
// coded column writes the text (or empties it, with a message for a value that has none);
// a note may stand under the grid.

#include "common/ui/table/CGridDlg.h"

#include <vector>

class CGridCodeDlg : public CGridDlg {
    DECLARE_DYNAMIC(CGridCodeDlg)
public:
    struct Coding {
        int column = 0;    // grid column of the code (1-based)
        int intIndex = 0;  // its int cell in the row
        int textIndex = 0; // the text cell of the spelled-out value (shown in the next column)
        std::vector<CString> texts;
        CString outOfRange; // shown for a value without a text
        CString note;       // under the grid; none when empty
    };

    CGridCodeDlg(CWnd* parent, UINT templateId, UINT popupMenuId, int tableKind, Coding coding);

    // The text of a value of the coded column; empty for a value without one.
    CString GetCodeText(int column, int value) const;

    void ShowCellEditor() override;
    void OnChangeCellEdit() override;

protected:
    void CreateControls() override;

private:
    void WriteCodeText(int row);

    Coding coding_;
    BOOL m_bCodeEdit = FALSE;
    int editedRow_ = 0;
};
