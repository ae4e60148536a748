#pragma once
// Renumbering tables between the point numbers written in files and the keys under
// which the document keeps its points. Without an entry, key = number - 1.

#include "platform/core/CMapWordToOb.h"
#include "platform/core/CUIntArray.h"

namespace torvan {

class CNumberToKey : public CObject {
    DECLARE_DYNAMIC(CNumberToKey)

public:
    // Fills the table (indexed by point number) from the points of a map.
    // 0 for an empty map or largest number 0, and after the out-of-memory message.
    int Build(const CMapWordToOb& points, int largestNumber);
    // The key of a point number; unset stays unset.
    int Lookup(int number) const;

private:
    CUIntArray table_;
};

class CKeyToNumber : public CObject {
    DECLARE_DYNAMIC(CKeyToNumber)

public:
    // Fills the table (indexed by key) from the points of a map.
    int Build(const CMapWordToOb& points, int largestNumber);
    // The point number of a key; unset stays unset.
    int Lookup(int key) const;

private:
    CUIntArray table_;
};

} // namespace torvan
