#pragma once
// The layer names of a DXF file, in the order of its layer table, for the import dialog's
// list of layers.

#include "platform/core/CString.h"

#include <vector>

namespace merdok {

// Fills names (emptied first) from the LAYER table of the TABLES section. TRUE when the
// table's end was reached. FALSE without a message when the file ends between two groups
// or the file does not have the table's shape; FALSE after the text file's open message,
// or after a beep and "ファイルが途中で終了しているため、読み込みできません" (the file ends
// inside a group) or "ファイル読み込みエラーです".
BOOL ReadDxfLayerNames(const char* path, std::vector<CString>& names);

} // namespace merdok
