#pragma once

#include "control/core/DataFileList.h"

namespace basnev {

// The sort state of the chooser's three columns: a click on a column toggles its direction.
class DataFileSortState {
public:
    int Column() const { return column_; }
    int Direction(int column) const { return directions_[column]; }
    // Toggles the clicked column's direction and makes it the sort column.
    void Click(int column);

private:
    int directions_[3] = {kAscending, kAscending, kDescending};
    int column_ = kModifiedColumn;
};

} // namespace basnev
