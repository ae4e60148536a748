#pragma once
// Real edit for a fixed field width W: a value is shown in fixed notation when it fits, else in
// whichever of fixed and exponent notation keeps it closer, else in exponent notation. Typing
// also takes "E"/"e" in a non-empty field and "-" right after one.

#include "common/ui/edits/CRealEdit.h"

#include <string>

class CFormatRealEdit : public CRealEdit {
    DECLARE_DYNAMIC(CFormatRealEdit)
public:
    explicit CFormatRealEdit(int fieldWidth = 10) : fieldWidth_(fieldWidth) {}

    // 1 when the last FormatValue chose exponent notation.
    int ExponentShown() const { return exponentShown_; }

    // The text of the value for the field width; the unset double gives an empty text. Exponents
    // have at least three digits, less a leading zero where that makes the text fit ("1.2346E+11").
    void FormatValue(CString& text, double value);

    void OnChar(UINT charCode, UINT repeatCount, UINT flags) override;
    // A value shown in exponent notation is offered in full fixed notation for editing.
    void OnSetFocus(CWnd* oldWnd) override;
    // A changed text, or one shown in exponent notation, is checked and formatted for the field.
    void OnKillFocus(CWnd* newWnd) override;

private:
    // Fixed text of width W when it lies no farther from the value than the exponent text.
    std::string CloserFixedText(double value, int integerDigits, const std::string& exponentText) const;
    std::string ExponentOnlyText(double value, const std::string& exponentText) const;
    bool IsAfterExponentMark() const;

    int fieldWidth_;
    int exponentShown_ = 0;
};
