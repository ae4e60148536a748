#pragma once
// What the numeric edits share: the count of characters typed since the field got the focus, the
// selection of the whole text when the field is entered (by Tab or by a click), and the id of the
// control that took the focus away, so that leaving for the Cancel button skips every check.

#include "platform/ui/CEdit.h"

class CNumericEdit : public CEdit {
    DECLARE_DYNAMIC(CNumericEdit)
public:
    // Selects the whole text and starts counting typed characters afresh.
    void OnSetFocus(CWnd* oldWnd) override;
    // Remembers the control the focus went to; a message box or another window taking the focus
    // changes nothing, so the field is checked when the focus moves on inside its dialog.
    void OnKillFocus(CWnd* newWnd) override;
    // The first release of the left button after the field was entered selects the whole text again.
    void OnLButtonUp(UINT flags, CPoint point) override;

protected:
    CNumericEdit() = default;

    // Key filter: the first character must be a digit or "-" (or "." when allowPoint), later ones a
    // digit (or "."); Backspace after typing clears the whole field; anything else is swallowed.
    // Returns true when the character was counted as typed.
    bool FilterNumberChar(UINT charCode, UINT repeatCount, UINT flags, bool allowPoint);

    // True when the kill-focus checks are to be skipped: the focus went to Cancel or left the window.
    bool LeavingWithoutCheck() const { return FocusLeftWindow() || FocusWentToCancel(); }
    bool FocusWentToCancel() const { return nextFocusId_ == IDCANCEL; }

    int TypedCount() const { return typedCount_; }
    // Every change of the typed count marks the text as modified.
    void SetTypedCount(int count);

    // Beeps and shows a message of the edit's checks.
    static void Complain(const CString& message);

private:
    int typedCount_ = 0;
    int entered_ = 0;
    int nextFocusId_ = -1;
};
