#pragma once
// The lines and filled triangles of a drawn arrow from P to Q, shared by the screen and
// paper drawing and the DXF output of arrows.
//
// Head length a, head width b (0: the half-width is a/3, else b/2), style c: the tens digit
// of |c| chooses one head at Q with a shaft from P (1, and any digit but 2) or heads at both
// ends with the shaft between their bases (2); the units digit the head's edges:
//   1 closed triangle, filled white      2 triangle and centre line
//   3 half triangle, filled white        4 open head with centre line
//   5 one side and centre line           6 as 2, filled in the arrow's colour
//   7 as 3, filled in the arrow's colour; 0, 8 and 9 the closed triangle unfilled.
// A negative c mirrors the head's sides. No arrow when c is 0, b negative or P equals Q.

#include "common/geometry/DPoint.h"

#include <vector>

namespace geometry {

struct ArrowShape {
    enum Fill { kNoFill, kWhiteFill, kColorFill };
    struct Segment {
        DPoint from;
        DPoint to;
    };

    // Empty when no arrow is drawn.
    static ArrowShape Make(DPoint start, DPoint end, double headLength, double headWidth, int style);

    bool IsEmpty() const { return segments.empty(); }

    std::vector<Segment> segments;          // shaft first, then the heads' edges
    std::vector<std::vector<DPoint>> fills; // triangles to fill, one per head
    Fill fill = kNoFill;
};

} // namespace geometry
