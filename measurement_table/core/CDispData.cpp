#include "measurement_table/core/CDispData.h"

#include "platform/core/Unset.h"

#include <algorithm>

namespace quilmo {

namespace {

using platform::kUnsetDouble;

// File columns of a row: ds, dz, dx, dy.
enum FileColumn { kFileDs = 0, kFileDz = 1, kFileDx = 2, kFileDy = 3 };

} // namespace

CDispData::CDispData(int flag, const CString& pointName, int rows)
    : flag_(flag != 0 ? 1 : 0), name_(pointName) {
    Resize(rows);
}

double CDispData::Value(int slot, int row) const {
    if (slot < 0 || slot >= SlotCount() || row < 0 || row >= count_) {
        return kUnsetDouble;
    }
    return values_[static_cast<std::size_t>(slot)][static_cast<std::size_t>(row)];
}

void CDispData::SetValue(int slot, int row, double value) {
    if (slot < 0 || slot >= SlotCount() || row < 0) {
        return;
    }
    if (row >= count_) {
        Resize(row + 1);
    }
    values_[static_cast<std::size_t>(slot)][static_cast<std::size_t>(row)] = value;
}

void CDispData::DeleteRows(int first, int n) {
    if (first < 0 || first >= count_ || n <= 0) {
        return;
    }
    const int last = std::min(count_, first + n);
    for (int slot = 0; slot < SlotCount(); ++slot) {
        auto& values = values_[static_cast<std::size_t>(slot)];
        values.erase(values.begin() + first, values.begin() + last);
    }
    count_ -= last - first;
}

void CDispData::InsertRows(int first, int n) {
    if (n <= 0) {
        return;
    }
    first = std::clamp(first, 0, count_);
    for (int slot = 0; slot < SlotCount(); ++slot) {
        auto& values = values_[static_cast<std::size_t>(slot)];
        values.insert(values.begin() + first, static_cast<std::size_t>(n), kUnsetDouble);
    }
    count_ += n;
}

void CDispData::Resize(int rows) {
    rows = std::max(rows, 0);
    for (int slot = 0; slot < SlotCount(); ++slot) {
        values_[static_cast<std::size_t>(slot)].resize(static_cast<std::size_t>(rows), kUnsetDouble);
    }
    count_ = rows;
}

int CDispData::GetLastValueRow() const {
    for (int row = count_; row >= 1; --row) {
        for (int slot = 0; slot < SlotCount(); ++slot) {
            if (!platform::IsUnsetDouble(Value(slot, row - 1))) {
                return row;
            }
        }
    }
    return 0;
}

CDispData CDispData::FromBlock(const MeasurementBlock& block, int tableFlag) {
    CDispData point(tableFlag, block.name, static_cast<int>(block.rows.size()));
    const bool fileHasXY = block.HasFourValues();
    for (int row = 0; row < point.count_; ++row) {
        const MeasurementRow& values = block.rows[static_cast<std::size_t>(row)];
        if (point.IsThreeDimensional()) {
            if (fileHasXY) {
                point.SetValue(kDx, row, values[kFileDx]);
                point.SetValue(kDy, row, values[kFileDy]);
            }
            point.SetValue(kDs, row, values[kFileDs]);
            point.SetValue(kDz, row, values[kFileDz]);
        } else {
            point.SetValue(0, row, values[kFileDs]);
            point.SetValue(1, row, values[kFileDz]);
        }
    }
    return point;
}

MeasurementBlock CDispData::ToBlock() const {
    MeasurementBlock block;
    block.columnFlag = flag_;
    block.name = name_;
    block.rows.reserve(static_cast<std::size_t>(count_));
    for (int row = 0; row < count_; ++row) {
        MeasurementRow values;
        values.fill(kUnsetDouble);
        if (IsThreeDimensional()) {
            values[kFileDs] = Value(kDs, row);
            values[kFileDz] = Value(kDz, row);
            values[kFileDx] = Value(kDx, row);
            values[kFileDy] = Value(kDy, row);
        } else {
            values[kFileDs] = Value(0, row);
            values[kFileDz] = Value(1, row);
        }
        block.rows.push_back(values);
    }
    return block;
}

} // namespace quilmo
