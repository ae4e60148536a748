#pragma once
// The point list of a polyline or polygon in the figure file: a count, then the points.
// The count is never trusted for an allocation: points are read one by one, so a
// damaged count ends at the end of the file.

#include "platform/core/CPoint.h"

#include <vector>

namespace zapho {

class BufferedBinaryFile;

void ReadPointList(BufferedBinaryFile& file, std::vector<CPoint>& points);
void WritePointList(BufferedBinaryFile& file, const std::vector<CPoint>& points);

} // namespace zapho
