#pragma once
// A polygon, filled with a user colour (fill number) unless the fill is kNoFill, outlined
// unless the width code is unset.

#include "CPlotData.h"

#include <vector>

namespace zapho {

class CPlotPolygon : public CPlotData {
public:
    CPlotPolygon() : CPlotData(kPlotPolygon) {}
    // Consecutive repeated points are dropped (the first point is always kept).
    CPlotPolygon(const CPoint* points, int count, int lineType, int widthCode, int fill);

    void ReadFromFile(BufferedBinaryFile& file) override;
    void WriteToFile(BufferedBinaryFile& file) const override;

    std::vector<CPoint> m_points;
    int m_nWidth = 1;
    int m_nLineType = 0;
    int m_nFill = kNoFill;
};

} // namespace zapho
