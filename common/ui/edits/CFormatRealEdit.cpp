#include "common/ui/edits/CFormatRealEdit.h"

#include "common/ui/edits/NumberText.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/Unset.h"

#include <QLineEdit>
#include <algorithm>
#include <cmath>

IMPLEMENT_DYNAMIC(CFormatRealEdit, CRealEdit)

namespace {

// Significant digits a fixed text keeps, integer part included.
constexpr int kFixedDigits = 16;

struct FixedText {
    std::string text;  // integer part, point and fraction without trailing zeros ("12.5", "3.0", "7.")
    int integerDigits; // characters before the point, a minus sign included
};

// The value with as many decimals as the significant digits leave. The integer part is taken from
// this same print, so that a value rounding up ("12.999999999999998") shows as "13.0", not "12.0".
FixedText FullFixedText(double value) {
    double integer = std::trunc(value);
    std::string integerText = integer == 0.0 ? (value < 0 ? "-0" : "0") : platform::FormatC("%.lf", integer);
    int decimals = std::max(kFixedDigits - static_cast<int>(integerText.size()), 0);
    std::string text = platform::FormatC("%.*lf", decimals, value);
    edits::TrimFractionZeros(text);
    std::size_t point = text.find('.');
    if (point == std::string::npos) {
        point = text.size();
        text += '.';
    }
    return {text, static_cast<int>(point)};
}

// "%<width>.<decimals>lE" with an exponent of at least three digits ("1.2346E+011").
std::string ExponentText(double value, int width, int decimals) {
    std::string text = platform::FormatC("%.*lE", std::max(decimals, 0), value);
    std::size_t mark = text.find('E');
    if (mark != std::string::npos && mark + 2 <= text.size()) {
        std::size_t digits = mark + 2; // after the exponent's sign
        std::size_t digitCount = text.size() - digits;
        if (digitCount < 3) {
            text = text.substr(0, digits) + std::string(3 - digitCount, '0') + text.substr(digits);
        }
    }
    std::size_t padding = static_cast<std::size_t>(std::max(width - static_cast<int>(text.size()), 0));
    return std::string(padding, ' ') + text;
}

double ReadBack(const std::string& text) {
    double value = 0.0;
    platform::ScanDouble(text.c_str(), value);
    return value;
}

} // namespace

void CFormatRealEdit::FormatValue(CString& text, double value) {
    exponentShown_ = 0;
    text.Empty();
    if (platform::IsUnsetDouble(value)) {
        return;
    }
    FixedText fixed = FullFixedText(value);
    if (static_cast<int>(fixed.text.size()) <= fieldWidth_) {
        text = CString(platform::FormatC("%10s", fixed.text.c_str()));
        return;
    }
    std::string exponent = ExponentText(value, fieldWidth_ + 1, fieldWidth_ - 6);
    std::string closer = CloserFixedText(value, fixed.integerDigits, exponent);
    if (!closer.empty()) {
        text = CString(closer);
        return;
    }
    exponentShown_ = 1;
    text = CString(ExponentOnlyText(value, exponent));
}

std::string CFormatRealEdit::CloserFixedText(double value, int integerDigits,
                                             const std::string& exponentText) const {
    if (integerDigits > fieldWidth_ - 2) {
        return std::string();
    }
    std::string fixed = platform::FormatC("%*.*lf", fieldWidth_, fieldWidth_ - integerDigits - 1, value);
    bool closer = std::fabs(ReadBack(fixed) - value) <= std::fabs(ReadBack(exponentText) - value);
    return closer ? fixed : std::string();
}

std::string CFormatRealEdit::ExponentOnlyText(double value, const std::string& exponentText) const {
    std::size_t mark = exponentText.find('E');
    bool threeDigits = mark != std::string::npos && exponentText.size() == mark + 5;
    if (static_cast<int>(exponentText.size()) == fieldWidth_ + 1 && threeDigits &&
        exponentText[mark + 2] == '0') {
        std::string shortened = exponentText;
        shortened.erase(mark + 2, 1);
        return shortened;
    }
    return ExponentText(value, fieldWidth_, fieldWidth_ - 7);
}

void CFormatRealEdit::OnChar(UINT charCode, UINT repeatCount, UINT flags) {
    if (FilterNumberChar(charCode, repeatCount, flags, true)) {
        return;
    }
    bool exponentMark = (charCode == 'E' || charCode == 'e') && !GetWindowTextString().IsEmpty();
    bool exponentSign = charCode == '-' && IsAfterExponentMark();
    if (exponentMark || exponentSign) {
        // The plain edit takes the exponent mark that CRealEdit's own filter refuses.
        // NOLINTNEXTLINE(bugprone-parent-virtual-call)
        CEdit::OnChar(charCode, repeatCount, flags);
        SetTypedCount(TypedCount() + 1);
    }
}

bool CFormatRealEdit::IsAfterExponentMark() const {
    int start = 0;
    int end = 0;
    GetSel(start, end);
    QLineEdit* edit = LineEdit();
    if (!edit || start < 1 || start > edit->text().size()) {
        return false;
    }
    QChar before = edit->text().at(start - 1);
    return before == u'E' || before == u'e';
}

void CFormatRealEdit::OnSetFocus(CWnd* oldWnd) {
    CString text = GetWindowTextString();
    double value = 0.0;
    if (exponentShown_ && text.Find('E') < 0 && edits::ReadRealText(text, value)) {
        std::string full = platform::FormatC("%.15lf", value);
        edits::TrimFractionZeros(full);
        SetWindowText(CString(full));
    }
    CRealEdit::OnSetFocus(oldWnd);
}

void CFormatRealEdit::OnKillFocus(CWnd* newWnd) {
    // Replaces the display-format step of CRealEdit.
    CNumericEdit::OnKillFocus(newWnd); // NOLINT(bugprone-parent-virtual-call)
    CString text = GetWindowTextString();
    if (LeavingWithoutCheck() || !(GetModify() || exponentShown_) || text.IsEmpty()) {
        return;
    }
    double value = 0.0;
    if (!edits::ReadRealText(text, value)) {
        Complain(CString(u8"数値変換ｴﾗｰ(編集時)"));
        return;
    }
    CString formatted;
    FormatValue(formatted, value);
    SetWindowText(formatted);
    SetModify(FALSE);
}
