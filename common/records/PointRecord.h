#pragma once
// A point of a section model as both section programs hold it apart from their own point
// classes: in a pending edit, and as read from a point line of the section model file
// (ReadSectionPoint, SectionModelFile.h). Its number, position, kind (PointKind.h), name,
// the mark of columns 31-35 of a file's point line (the analysis program's slip mark of a
// boundary point) and, for the analysis program's boundary points, the weight beta and the
// slope alpha (degrees). Unset values as in platform/core/Unset.h; beta and alpha start as a
// new point of the analysis program has them.

#include "common/section/PointKind.h"
#include "platform/core/CString.h"
#include "platform/core/Unset.h"

namespace section {

struct PointRecord {
    int number = platform::kUnsetInt;
    double x = platform::kUnsetDouble;
    double y = platform::kUnsetDouble;
    PointKind kind = PointKind::kGround;
    CString name;
    int mark = platform::kUnsetInt;
    double beta = 1.0;
    double alpha = platform::kUnsetDouble;
};

} // namespace section
