#pragma once
// One block of the slope between two block division lines: a polygon of up to four
// vertices and the displacement record whose measurement point lies inside it.

#include "platform/core/CObject.h"

namespace torvan {

class CDispData;

class CBlock : public CObject {
    DECLARE_DYNCREATE(CBlock)

public:
    CBlock();

    // 1 when (px, py) lies inside the polygon (winding angle of 3 radians or more);
    // 0 outside, on a vertex, or after the divide-error message.
    int CheckInsidePolygon(double px, double py) const;

    int number;
    int number2;
    double x[4];
    double y[4];
    int vertexCount;
    CDispData* disp; // owned by the document
};

} // namespace torvan
