#include "common/ui/edits/CNumericEdit.h"

#include "platform/core/MessageSink.h"

IMPLEMENT_DYNAMIC(CNumericEdit, CEdit)

namespace {
bool IsDigit(UINT ch) {
    return ch >= '0' && ch <= '9';
}
} // namespace

void CNumericEdit::OnSetFocus(CWnd* oldWnd) {
    CEdit::OnSetFocus(oldWnd);
    SetSel(0, -1);
    typedCount_ = 0;
    entered_ = 1;
    nextFocusId_ = -1;
}

void CNumericEdit::OnKillFocus(CWnd* newWnd) {
    CEdit::OnKillFocus(newWnd);
    if (!FocusLeftWindow()) {
        nextFocusId_ = FocusTargetId();
    }
}

void CNumericEdit::OnLButtonUp(UINT flags, CPoint point) {
    CEdit::OnLButtonUp(flags, point);
    if (entered_) {
        SetSel(0, -1);
        entered_ = 0;
    }
}

bool CNumericEdit::FilterNumberChar(UINT charCode, UINT repeatCount, UINT flags, bool allowPoint) {
    bool numberChar = IsDigit(charCode) || (allowPoint && charCode == '.');
    bool accepted = typedCount_ == 0 ? numberChar || charCode == '-' : numberChar;
    if (accepted) {
        CEdit::OnChar(charCode, repeatCount, flags);
        SetTypedCount(typedCount_ + 1);
        return true;
    }
    if (typedCount_ > 0 && charCode == VK_BACK) {
        // Backspace starts the field over: it deletes the selected blank left in place of the text.
        SetWindowText(" ");
        SetSel(0, -1);
        CEdit::OnChar(charCode, repeatCount, flags);
        SetTypedCount(0);
    }
    return false;
}

void CNumericEdit::SetTypedCount(int count) {
    if (count == typedCount_) {
        return;
    }
    typedCount_ = count;
    SetModify(TRUE);
}

void CNumericEdit::Complain(const CString& message) {
    MessageBeep(MB_OK);
    AfxMessageBox(message);
}
