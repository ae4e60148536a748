#pragma once
// Text copied from a spreadsheet: rows separated by line ends, cells by tabs. The last
// line end does not start a further row.

#include "platform/core/CString.h"

#include <QString>
#include <vector>

// False when a cell holds a character that CP932 cannot hold.
bool SplitTableText(const QString& text, std::vector<std::vector<CString>>& cells);
