#pragma once
// An arrow from start to end: head length a, head width b (0: a third of a on each side)
// and style c (tens digit: shaft and number of heads; units digit: head shape; negative:
// the head's sides mirrored).

#include "CPlotData.h"

namespace zapho {

class CPlotArrow : public CPlotData {
public:
    CPlotArrow() : CPlotData(kPlotArrow) {}
    CPlotArrow(CPoint start, CPoint end, int widthCode, int lineType, int a, int b, int c)
        : CPlotData(kPlotArrow), m_start(start), m_end(end), m_nWidth(widthCode), m_nLineType(lineType),
          m_nHeadLength(a), m_nHeadWidth(b), m_nStyle(c) {}

    void ReadFromFile(BufferedBinaryFile& file) override;
    void WriteToFile(BufferedBinaryFile& file) const override;

    CPoint m_start;
    CPoint m_end;
    int m_nWidth = 1;
    int m_nLineType = 0;
    int m_nHeadLength = 0; // a
    int m_nHeadWidth = 0;  // b
    int m_nStyle = 0;      // c
};

} // namespace zapho
