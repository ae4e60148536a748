#pragma once
// Line types drawn as solid dashes of fixed lengths (printer-like output): the pattern of a
// line type, and the dash pieces of a path with the pattern running on over its vertices.

#include "platform/core/CPoint.h"

#include <vector>

namespace zapho {

// Dash and gap lengths in drawing units, starting with a dash; empty for solid lines and
// unknown types. Wide pens (width code above 4) get half as long gaps again.
std::vector<double> DashPattern(int lineType, bool widePen);

class DashedPath {
public:
    static constexpr int kMaxPiecesPerSegment = 1000;

    struct Piece {
        CPoint from;
        CPoint to;
    };

    // The dashes of the path; a dash that ends past a segment's end stops there.
    static std::vector<Piece> Pieces(const std::vector<CPoint>& points, const std::vector<double>& pattern);
};

} // namespace zapho
