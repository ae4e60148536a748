#pragma once
// A point of the plane with double coordinates, in metres for model geometry.

#include "platform/core/Unset.h"

struct DPoint {
    double x = 0.0;
    double y = 0.0;

    static DPoint Unset() { return DPoint{platform::kUnsetDouble, platform::kUnsetDouble}; }
    bool IsUnset() const { return platform::IsUnsetDouble(x) && platform::IsUnsetDouble(y); }
    friend bool operator==(const DPoint&, const DPoint&) = default;
};
