#pragma once
// One row of a table dialog: its cells grouped by column kind (ints, reals, reals in
// exponent form, texts). Unset numbers hold the unset markers, unset texts are empty. The
// reals and the exponent reals lie in one array, the reals first. The table passes the
// counts of each kind to the clipboard transfer; they must match the row's own.

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <vector>

class CClipboardFile;

class CGridData : public CObject {
    DECLARE_DYNAMIC(CGridData)
public:
    CGridData() = default;

    void Allocate(int ints, int reals, int exponents, int texts);

    int* GetIntArray() { return ints_.empty() ? nullptr : ints_.data(); }
    double* GetRealArray() { return doubles_.empty() ? nullptr : doubles_.data(); }
    double* GetExponentArray() { return exponents_ ? doubles_.data() + reals_ : nullptr; }
    CString* GetTextArray() { return texts_.empty() ? nullptr : texts_.data(); }

    int& IntCell(int index) { return ints_[static_cast<std::size_t>(index)]; }
    double& RealCell(int index) { return doubles_[static_cast<std::size_t>(index)]; }
    double& ExponentCell(int index) { return doubles_[static_cast<std::size_t>(reals_ + index)]; }
    CString& TextCell(int index) { return texts_[static_cast<std::size_t>(index)]; }

    // True when no cell holds a value.
    bool IsEmptyRow() const;

    // Writes the cells as clipboard items; 0 when the clipboard could not take them (or a
    // text is longer than a clipboard string may be), else 1.
    int WriteTo(CClipboardFile& file, int ints, int reals, int exponents, int texts) const;
    // Reads the cells back; a shortfall or an over-long text throws CUserException. Returns 1.
    int ReadFrom(CClipboardFile& file, int ints, int reals, int exponents, int texts);

private:
    std::vector<int> ints_;
    std::vector<double> doubles_;
    int reals_ = 0;
    int exponents_ = 0;
    std::vector<CString> texts_;
};
