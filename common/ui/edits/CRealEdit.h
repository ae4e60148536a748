#pragma once
// Edit of a double with a display format and a range. An empty field is the unset double.
// Leaving the field (other than for Cancel) checks a changed text and shows it again in the
// display format; CheckValue checks it when the dialog asks.

#include "common/ui/edits/CNumericEdit.h"
#include "platform/core/Unset.h"

class CRealEdit : public CNumericEdit {
    DECLARE_DYNAMIC(CRealEdit)
public:
    CRealEdit() = default;

    // printf format for one double, at most 15 characters (a longer one is cut).
    void SetFormat(const char* format);
    // Limits of the value; +-3.4028234663852886e38 (the initial values) mean no limit.
    void SetRange(double minimum, double maximum);
    // Shows the value in the display format (the unset double as an empty text); not modified.
    void SetValue(double value);
    // TRUE and the value when the text is acceptable: an empty text gives the unset double, and
    // leaving for Cancel accepts without reading (value untouched). Otherwise beeps, shows why,
    // and returns FALSE.
    BOOL CheckValue(double& value);

    void OnChar(UINT charCode, UINT repeatCount, UINT flags) override;
    void OnKillFocus(CWnd* newWnd) override;

protected:
    CString FormatForDisplay(double value) const;
    // Beeps and shows the range message when the value lies outside a set limit.
    bool CheckRange(double value) const;

private:
    CString format_ = "%lf";
    double maximum_ = platform::kExtentLimit;
    double minimum_ = -platform::kExtentLimit;
};
