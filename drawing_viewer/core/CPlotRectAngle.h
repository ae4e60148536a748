#pragma once
// A rectangle; e = 0 outline only, 1 filled white and outlined, 2 filled white without outline.

#include "CPlotData.h"

#include "platform/core/CRect.h"

namespace zapho {

class CPlotRectAngle : public CPlotData {
public:
    CPlotRectAngle() : CPlotData(kPlotRectAngle) {}
    // left = corner1.x, top = corner1.y, right = corner2.x, bottom = corner2.y.
    CPlotRectAngle(CPoint corner1, CPoint corner2, int lineType, int widthCode, int e)
        : CPlotData(kPlotRectAngle), m_rect(corner1.x, corner1.y, corner2.x, corner2.y), m_nWidth(widthCode),
          m_nLineType(lineType), m_nFill(e) {}

    void ReadFromFile(BufferedBinaryFile& file) override;
    void WriteToFile(BufferedBinaryFile& file) const override;

    CRect m_rect;
    int m_nWidth = 1;
    int m_nLineType = 0;
    int m_nFill = 0; // e
};

} // namespace zapho
