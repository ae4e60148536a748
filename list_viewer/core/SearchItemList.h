#pragma once
// The search item list: strings offered by the item-list search, read once at start
// from "pomrex.idx" in the program directory.
//
// The group read is chosen by a product key, which comes from the marker files present
// in the program directory (the last present marker of the table wins). With no marker
// file nothing is read. In pomrex.idx a key line begins with the key; the item lines
// that follow it begin with a decimal digit, and the text after their first blank is an
// item. The first non-empty group wins.

#include "platform/core/CString.h"

#include <vector>

namespace wenux {

struct ProductMarker {
    const char* markerFile;
    const char* key;
};

// The six markers of the suite's other programs, in table order.
const std::vector<ProductMarker>& ProductMarkers();

// Key of the last marker file present in programDir (with its trailing '/'); empty when none.
CString ChooseProductKey(const CString& programDir, const std::vector<ProductMarker>& markers);

// Appends the items of the key's first non-empty group; open and read failures are
// reported by the text file layer and end the loading.
void LoadSearchItemList(const CString& programDir, const CString& key, std::vector<CString>& items);

} // namespace wenux
