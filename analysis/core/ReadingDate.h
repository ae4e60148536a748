#pragma once
// Key text of a reading date: "%4d%02d%02d%02d%02d", an unset part printed as -1.

#include "common/records/MeasurementFile.h"
#include "platform/core/CString.h"

namespace torvan {

CString ReadingDateKey(const ReadingDate& date);

} // namespace torvan
