#pragma once
// Running extents of coordinates.

#include "platform/core/CRect.h"

// With start set the rectangle becomes the point; otherwise it grows to include it.
// Returns 0.
int ExpandExtent(CRect& rect, int x, int y, bool start);

// minimum takes the value when minimum >= value; maximum when value >= maximum.
template <typename T> void UpdateMinMax(T value, T& minimum, T& maximum) {
    if (minimum >= value) {
        minimum = value;
    }
    if (value >= maximum) {
        maximum = value;
    }
}
