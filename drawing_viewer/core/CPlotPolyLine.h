#pragma once
// A polyline through its points in order; the reader appends points while it is open.

#include "CPlotData.h"

#include <vector>

namespace zapho {

class CPlotPolyLine : public CPlotData {
public:
    CPlotPolyLine() : CPlotData(kPlotPolyLine) {}
    CPlotPolyLine(int lineType, int widthCode)
        : CPlotData(kPlotPolyLine), m_nWidth(widthCode), m_nLineType(lineType) {}

    void ReadFromFile(BufferedBinaryFile& file) override;
    void WriteToFile(BufferedBinaryFile& file) const override;

    std::vector<CPoint> m_points;
    int m_nWidth = 1;
    int m_nLineType = 0;
};

} // namespace zapho
