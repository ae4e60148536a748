#pragma once
// The rows of the base menu's file list chooser: the data files of one kind in a directory,
// each with its title and modification time, sortable by any column (DataFileSortState.h).

#include "platform/core/CString.h"

#include <ctime>
#include <vector>

namespace basnev {

struct DataFileRow {
    CString name;
    CString title;
    // "%Y/%m/%d %H:%M", local time.
    CString modified;
};

enum DataFileColumn { kNameColumn = 0, kTitleColumn = 1, kModifiedColumn = 2 };
enum SortDirection { kAscending = 1, kDescending = 2 };

// The title of a data file's first line when it is a TITLE record carrying one of the kind's
// format tags from column 61 (letter case ignored); false when the file is not of the kind.
bool TitleOfDataFile(const CString& firstLine, int kind, CString& title);

// The files of the directory (ending in '/') whose extension is the kind's (letter case
// ignored) and whose first line passes TitleOfDataFile, in name order. A file that cannot be
// opened is reported through the file layer's message and left out; the list goes on. A file
// whose first line holds a NUL or runs to 64 KiB is damaged: it is left out quietly, its rest
// never read.
std::vector<DataFileRow> ListDataFiles(const CString& directory, int kind);

// Sorts by the texts of one column compared byte-wise; equal texts keep their order.
void SortDataFileRows(std::vector<DataFileRow>& rows, int column, int direction);

} // namespace basnev
