#pragma once
// Edit of an int with a range. An empty field is the unset int.

#include "common/ui/edits/CNumericEdit.h"

#include <climits>

class CIntegerEdit : public CNumericEdit {
    DECLARE_DYNAMIC(CIntegerEdit)
public:
    CIntegerEdit() = default;

    // Limits of the value; INT_MIN and INT_MAX (the initial values) mean no limit.
    void SetRange(int minimum, int maximum);
    // Shows the value (the unset int as an empty text); not modified.
    void SetValue(int value);
    // TRUE and the value when the text is acceptable: an empty text gives the unset int, and
    // leaving for Cancel accepts without reading (value untouched). Otherwise beeps, shows why,
    // and returns FALSE. A number that is no int, or is the unset int, is out of range.
    BOOL CheckValue(int& value);

    void OnChar(UINT charCode, UINT repeatCount, UINT flags) override;

private:
    void ComplainOutOfRange() const;

    int maximum_ = INT_MAX;
    int minimum_ = INT_MIN;
};
