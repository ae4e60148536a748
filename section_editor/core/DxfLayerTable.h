#pragma once
// The layer names of a DXF file for the import dialog's list of layers: those of its layer
// table in the table's order, then those its entities use that the table lacks, in the
// order of their first use. A drawing may leave the layers of its entities out of the table;
// the import reads them all the same, so the list offers them too.

#include "platform/core/CString.h"

#include <vector>

namespace merdok {

// Fills names (emptied first) from the LAYER table of the TABLES section and the group-8
// layers of the ENTITIES section's entities; an entity's layer that names a listed layer in
// other letter cases (as the import compares them) is not listed again. TRUE when the file
// was read up to its "EOF" group. FALSE without a message when the file ends between two
// groups before it or a section or table has no name; FALSE after the text file's open
// message, or after a beep and "ファイルが途中で終了しているため、読み込みできません" (the file
// ends inside a group) or "ファイル読み込みエラーです". The names read before a failure stay.
BOOL ReadDxfLayerNames(const char* path, std::vector<CString>& names);

} // namespace merdok
