#pragma once
// A point mark of size u and style v (triangle, square, diamond, circle, turned triangle;
// odd styles filled), kind 1: the even styles are filled white.

#include "CPlotData.h"

namespace zapho {

class CPlotCenterMark : public CPlotData {
public:
    CPlotCenterMark() : CPlotData(kPlotCenterMark) {}
    CPlotCenterMark(CPoint point, int u, int v, int kind, int widthCode)
        : CPlotData(kPlotCenterMark), m_point(point), m_nSize(u), m_nStyle(v), m_nKind(kind),
          m_nWidth(widthCode) {}

    void ReadFromFile(BufferedBinaryFile& file) override;
    void WriteToFile(BufferedBinaryFile& file) const override;

    CPoint m_point;
    int m_nSize = 0;  // u
    int m_nStyle = 0; // v
    int m_nKind = 0;
    int m_nWidth = 1;
};

} // namespace zapho
