#pragma once
// The displacement series of one measurement point as the table editor holds it: the values
// of each survey date, in millimetres. A two-dimensional point keeps ds and dz, a
// three-dimensional one dx, dy, ds and dz, in the order of the table's columns; the file
// puts ds and dz first in both forms (MeasurementRow).

#include "common/records/MeasurementFile.h"
#include "platform/core/CString.h"

#include <array>
#include <vector>

namespace quilmo {

class CDispData {
public:
    // Slots of a three-dimensional point; a two-dimensional one uses 0 (ds) and 1 (dz).
    enum Slot3D { kDx = 0, kDy = 1, kDs = 2, kDz = 3 };

    CDispData() = default;
    // A point of the given form with `rows` unset values (no arrays when rows is 0).
    CDispData(int flag, const CString& pointName, int rows);

    // 1 three-dimensional, 0 two-dimensional.
    int Flag() const { return flag_; }
    bool IsThreeDimensional() const { return flag_ != 0; }
    int SlotCount() const { return IsThreeDimensional() ? 4 : 2; }
    int Count() const { return count_; }
    const CString& Name() const { return name_; }
    void SetName(const CString& name) { name_ = name; }

    // Value of a slot at a 0-based row; the unset double past the arrays.
    double Value(int slot, int row) const;
    void SetValue(int slot, int row, double value);

    // Removes n rows from `first` on (nothing when first is at or beyond the count).
    void DeleteRows(int first, int n);
    // Inserts n unset rows before `first` (at most at the end).
    void InsertRows(int first, int n);
    // Brings the count to `rows`: unset rows at the end, or the last rows dropped.
    void Resize(int rows);
    // Highest 1-based row holding a set value; 0 when none.
    int GetLastValueRow() const;

    // The point of a file block in the table's form: a block of the other form is converted
    // by its components (ds and dz always stay ds and dz; dx and dy only between
    // three-dimensional forms).
    static CDispData FromBlock(const MeasurementBlock& block, int tableFlag);
    MeasurementBlock ToBlock() const;

private:
    int flag_ = 0;
    int count_ = 0;
    CString name_;
    std::array<std::vector<double>, 4> values_;
};

} // namespace quilmo
