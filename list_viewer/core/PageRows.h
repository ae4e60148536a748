#pragma once
// Rows of a page as the views, the printout and the index dump show them.

#include "list_viewer/core/CLineIndex.h"

#include <string>
#include <vector>

namespace wenux {

// Document types by their codes.
enum DocumentType { kResultList = 0, kCalculationLog = 2, kDrawingLog = 3, kEditErrorLog = 4 };

// Lines per page of a type: 112 for the calculation run log and the edit error log, else 55.
int LinesPerPageOf(int documentType);

// The scanner line shown in view line n: result lists never show their header line.
inline int ScannerLine(int viewLine, int documentType) {
    return documentType == kResultList ? viewLine + 1 : viewLine;
}

// Reads `count` rows from scanner line `firstLine` on, one after another after a single
// seek. A row that cannot be read is empty, and reading goes on where it stopped. The
// rows are the displayed texts (CP932 bytes) cut at their last CR. False, with no rows,
// when the line's offset cannot be found.
bool ReadRows(CLineIndex& index, int firstLine, int count, std::vector<std::string>& rows);

// The rows that page `page` (0-based) shows: last - first + 1 rows from its first row.
bool ReadPageRows(CLineIndex& index, int documentType, int page, std::vector<std::string>& rows);

} // namespace wenux
