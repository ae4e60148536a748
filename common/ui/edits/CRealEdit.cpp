#include "common/ui/edits/CRealEdit.h"

#include "common/ui/edits/NumberText.h"
#include "platform/core/NumberFormat.h"

IMPLEMENT_DYNAMIC(CRealEdit, CNumericEdit)

namespace {
constexpr int kMaxFormatLength = 15;
} // namespace

void CRealEdit::SetFormat(const char* format) {
    format_ = CString(format).Left(kMaxFormatLength);
}

void CRealEdit::SetRange(double minimum, double maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
}

void CRealEdit::SetValue(double value) {
    SetWindowText(platform::IsUnsetDouble(value) ? CString() : FormatForDisplay(value));
    SetModify(FALSE);
}

CString CRealEdit::FormatForDisplay(double value) const {
    CString text;
    text.Format(format_.GetString(), value);
    return text;
}

BOOL CRealEdit::CheckValue(double& value) {
    if (FocusWentToCancel()) {
        return TRUE;
    }
    CString text = GetWindowTextString();
    if (text.IsEmpty()) {
        value = platform::kUnsetDouble;
        return TRUE;
    }
    double read = 0.0;
    if (!edits::ReadRealText(text, read)) {
        Complain(CString(u8"文字入力ｴﾗｰ(編集時)"));
        return FALSE;
    }
    if (!CheckRange(read)) {
        return FALSE;
    }
    value = read;
    SetModify(FALSE);
    return TRUE;
}

bool CRealEdit::CheckRange(double value) const {
    bool hasMinimum = minimum_ != -platform::kExtentLimit;
    bool hasMaximum = maximum_ != platform::kExtentLimit;
    if ((!hasMinimum || value >= minimum_) && (!hasMaximum || value <= maximum_)) {
        return true;
    }
    CString message;
    if (hasMinimum && hasMaximum) {
        message.Format(u8"入力範囲は %lf～%lf です", minimum_, maximum_);
    } else if (hasMinimum) {
        message.Format(u8"入力は %lf 以上です", minimum_);
    } else {
        message.Format(u8"入力は %lf 以下です", maximum_);
    }
    Complain(message);
    return false;
}

void CRealEdit::OnChar(UINT charCode, UINT repeatCount, UINT flags) {
    FilterNumberChar(charCode, repeatCount, flags, true);
}

void CRealEdit::OnKillFocus(CWnd* newWnd) {
    CNumericEdit::OnKillFocus(newWnd);
    CString text = GetWindowTextString();
    if (LeavingWithoutCheck() || !GetModify() || text.IsEmpty()) {
        return;
    }
    double value = 0.0;
    if (!edits::ReadRealText(text, value)) {
        Complain(CString(u8"文字入力ｴﾗｰ(編集時)"));
        return;
    }
    SetWindowText(FormatForDisplay(value));
    SetModify(FALSE);
}
