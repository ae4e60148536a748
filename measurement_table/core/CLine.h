#pragma once
// A link of the section model's ground line between two points, kept as read.

namespace quilmo {

struct CLine {
    int number = 0; // 1-based running number
    int first = 0;  // 0-based point keys
    int second = 0;
    int index = 0; // 0-based running number
};

} // namespace quilmo
