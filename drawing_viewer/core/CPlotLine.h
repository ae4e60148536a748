#pragma once
// A straight line between two points.

#include "CPlotData.h"

namespace zapho {

class CPlotLine : public CPlotData {
public:
    CPlotLine() : CPlotData(kPlotLine) {}
    CPlotLine(CPoint start, CPoint end, int lineType, int widthCode)
        : CPlotData(kPlotLine), m_start(start), m_end(end), m_nWidth(widthCode), m_nLineType(lineType) {}

    void ReadFromFile(BufferedBinaryFile& file) override;
    void WriteToFile(BufferedBinaryFile& file) const override;

    CPoint m_start;
    CPoint m_end;
    int m_nWidth = 1;
    int m_nLineType = 0;
};

} // namespace zapho
