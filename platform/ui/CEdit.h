#pragma once
// A single-line edit control over a QLineEdit, found by its control id like every dialog control.
//
// Typed characters reach OnChar before the widget sees them; only a character passed on to
// CEdit::OnChar is typed into the field, so derived edits filter keys by not passing them on.
// Characters are what a key types: printable text, Backspace (8) and the control characters of
// Ctrl+letter (Ctrl+V is 0x16). Keys that type nothing (arrows, Delete, Home) and the dialog keys
// Tab, Enter and Esc go straight to the widget and the dialog.
// Focus changes and the left-button release reach OnSetFocus, OnKillFocus and OnLButtonUp after
// the widget has handled them, so a handler may change the selection the widget just set.

#include "platform/ui/CWnd.h"

#include <memory>

class QEvent;
class QKeyEvent;
class QLineEdit;
class QObject;

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit();
    ~CEdit() override;

    // Takes over the edit control with this id that parent already holds; FALSE when there is
    // no such edit or another CEdit holds it already.
    BOOL SubclassDlgItem(UINT id, CWnd* parent);

    QLineEdit* LineEdit() const;

    // The modified flag: set by typing, cleared by SetWindowText and SetModify(FALSE).
    BOOL GetModify() const;
    void SetModify(BOOL modified = TRUE);
    // Selects characters start..end-1; end -1 selects to the end, start -1 removes the selection.
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void GetSel(int& start, int& end) const;

    // Default handling of a character: types it into the field.
    void OnChar(UINT charCode, UINT repeatCount, UINT flags) override;

    // Used by the event hook.
    bool FilterEvent(QEvent* event);

protected:
    // Control id of the window that took the focus in the running OnKillFocus (-1 when it has none).
    int FocusTargetId() const { return focusTargetId_; }
    // True in OnKillFocus when the focus left the edit's window (a message box, another window).
    bool FocusLeftWindow() const { return focusLeftWindow_; }

private:
    bool HandleKey(QKeyEvent* event);
    void AttachEdit(QLineEdit* edit);

    std::unique_ptr<QObject> hook_;
    QKeyEvent* pendingKey_ = nullptr;
    int focusTargetId_ = -1;
    bool focusLeftWindow_ = false;
};
