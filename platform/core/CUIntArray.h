#pragma once
// Growable array of unsigned ints.

#include "platform/core/CObject.h"

#include <vector>

class CUIntArray : public CObject {
    DECLARE_DYNAMIC(CUIntArray)

public:
    int GetSize() const { return static_cast<int>(values_.size()); }
    // Throws CMemoryException when the memory cannot be had.
    void SetSize(int newSize);
    void RemoveAll() { values_.clear(); }
    UINT GetAt(int index) const { return values_[static_cast<std::size_t>(index)]; }
    void SetAt(int index, UINT value) { values_[static_cast<std::size_t>(index)] = value; }
    UINT& operator[](int index) { return values_[static_cast<std::size_t>(index)]; }
    UINT operator[](int index) const { return GetAt(index); }

private:
    std::vector<UINT> values_;
};
