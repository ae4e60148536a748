#pragma once
// The two input files an analysis file refers to, from its "SEFIL" and "DSFIL" lines.

#include "platform/core/CString.h"

namespace basnev {

// Reads at most the first four lines of the analysis file. A line starting with "SEFIL" gives
// the section model file name, one starting with "DSFIL" the measurement file name (the
// characters from column 11 to the line's end; a later line of a keyword wins). The names
// are those the analysis program opens: trailing blanks dropped, and a relative name lies
// beside the analysis file. False when
// the file cannot be opened or read, or is damaged within those lines (a NUL, a line of
// 64 KiB): the file layer has shown its message and the names stay empty.
bool ReadSloReferences(const CString& analysisPath, CString& sectionName, CString& measurementName);

} // namespace basnev
