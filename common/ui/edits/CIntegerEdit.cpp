#include "common/ui/edits/CIntegerEdit.h"

#include "common/ui/edits/NumberText.h"
#include "platform/core/Unset.h"

IMPLEMENT_DYNAMIC(CIntegerEdit, CNumericEdit)

namespace {
// How the range message shows a limit that is not set.
constexpr int kShownNoMinimum = -2147483647;
constexpr int kShownNoMaximum = 2147483646;
} // namespace

void CIntegerEdit::SetRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
}

void CIntegerEdit::SetValue(int value) {
    CString text;
    if (!platform::IsUnsetInt(value)) {
        text.Format("%d", value);
    }
    SetWindowText(text);
    SetModify(FALSE);
}

BOOL CIntegerEdit::CheckValue(int& value) {
    if (FocusWentToCancel()) {
        return TRUE;
    }
    CString text = GetWindowTextString();
    if (text.IsEmpty()) {
        value = platform::kUnsetInt;
        return TRUE;
    }
    int read = 0;
    edits::IntText result = edits::ReadIntText(text, read);
    if (result == edits::IntText::Malformed) {
        Complain(CString(u8"文字入力ｴﾗｰ(編集時)"));
        return FALSE;
    }
    bool belowMinimum = minimum_ != INT_MIN && read < minimum_;
    bool aboveMaximum = maximum_ != INT_MAX && read > maximum_;
    if (result == edits::IntText::OutOfRange || belowMinimum || aboveMaximum) {
        ComplainOutOfRange();
        return FALSE;
    }
    value = read;
    SetModify(FALSE);
    return TRUE;
}

void CIntegerEdit::ComplainOutOfRange() const {
    CString message;
    message.Format(u8"入力範囲は %d～%d です", minimum_ == INT_MIN ? kShownNoMinimum : minimum_,
                   maximum_ == INT_MAX ? kShownNoMaximum : maximum_);
    Complain(message);
}

void CIntegerEdit::OnChar(UINT charCode, UINT repeatCount, UINT flags) {
    FilterNumberChar(charCode, repeatCount, flags, false);
}
