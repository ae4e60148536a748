#include "control/core/DataFileSortState.h"

namespace basnev {

void DataFileSortState::Click(int column) {
    directions_[column] = directions_[column] == kAscending ? kDescending : kAscending;
    column_ = column;
}

} // namespace basnev
