#pragma once
// The check the table editor runs when the user confirms the table, before the file is
// written: point names (none empty, none twice), values only in dated rows, dates that are
// real calendar dates in increasing order, and where to save: under the base menu's current
// measurement file name when the base menu runs, asking before a file is overwritten.

#include "measurement_table/core/CMeasurementDocument.h"

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

struct DateErrors {
    int wrong = 0;      // rows that are no date or not after the last correct row
    int impossible = 0; // of those, rows that are no calendar date at all
};

// Checks the dates row by row; shows "%d行目 日付ｴﾗｰ" for the first five wrong rows. A
// row needs year, month and day (taken from the last correct row when missing) forming a
// real date, and must lie after the last correct row.
DateErrors CheckDates(const DateList& dates);

// The whole check; rowsInUse is the table's. May rename doc.m_strDisFile to the base menu's
// name. False when the table must stay open: always when a row is no calendar date (the
// file would hold a date no reader can take), else after No to the question that other
// date errors bring (No is its default: the table stays with everything typed).
bool CheckSave(CMeasurementDocument& doc, int rowsInUse, const SaveEnvironment& environment);

} // namespace quilmo
