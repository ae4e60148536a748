#pragma once
// The names of the DXF files of a page range: one page takes the name as given; a range
// takes the name's directory, at most the first 6 bytes of its title (never half a
// double-byte character) and the page number as two digits: "drawin01.dxf", "drawin02.dxf".

#include "platform/core/CString.h"

#include <vector>

namespace zapho {

// first, last: 1-based pages, first <= last.
std::vector<CString> DxfPageFiles(const CString& name, int first, int last);

} // namespace zapho
