#pragma once
// The check the table editor runs when the user confirms the table, before the file is
// written: point names (none empty, none twice), values only in dated rows, dates that are
// real calendar dates in increasing order, and where to save: under the base menu's current
// measurement file name when the base menu runs, asking before a file is overwritten.

#include "measurement_table/core/MeasurementDocument.h"

#include <functional>

namespace quilmo {

// What the check asks of the world around it (the base menu and the file system).
struct SaveEnvironment {
    // True with the base menu's current measurement file name; false when there is no base
    // menu, its slot is empty or the exchange failed (after its message).
    std::function<bool(CString&)> readBaseMenuName;
    std::function<bool(const CString&)> fileExists;
};

// The environment of the running program: the base menu's slot 232 and the file system.
SaveEnvironment DesktopSaveEnvironment();

// Checks the dates row by row; shows "%d行目 日付ｴﾗｰ" for the first five wrong rows and
// returns the number of wrong rows. A row needs year, month and day (taken from the last
// correct row when missing) forming a real date, and must lie after the last correct row.
int CountDateErrors(const DateList& dates);

// The whole check; rowsInUse is the table's. May rename doc.m_strDisFile to the base menu's
// name. False when the table must stay open.
bool CheckSave(CMeasurementDocument& doc, int rowsInUse, const SaveEnvironment& environment);

} // namespace quilmo
