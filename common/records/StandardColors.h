#pragma once
// The 16 standard colours offered in colour lists, with their Japanese names.
//
// The section model editor and the analysis program use this table; the drawing
// viewer and the list viewer use it with entries 7 and 8 exchanged.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

enum class StandardColorOrder { Section, Plot };

// COLORREF of index 0..15 and its name into name (when given); 0 for any other index.
COLORREF GetStandardColor(int index, CString* name = nullptr,
                          StandardColorOrder order = StandardColorOrder::Section);

// Index 0..15 of the first entry with exactly this colour, -1 when none.
int FindStandardColor(COLORREF color, StandardColorOrder order = StandardColorOrder::Section);
