#include "PlotArrow.h"

#include "BufferedBinaryFile.h"

namespace zapho {

void CPlotArrow::ReadFromFile(BufferedBinaryFile& file) {
    const auto [x1, y1, x2, y2, width, lineType, headLength, headWidth, style] = file.ReadInts<9>();
    m_start = {x1, y1};
    m_end = {x2, y2};
    m_nWidth = width;
    m_nLineType = lineType;
    m_nHeadLength = headLength;
    m_nHeadWidth = headWidth;
    m_nStyle = style;
}

void CPlotArrow::WriteToFile(BufferedBinaryFile& file) const {
    file.WriteInts(m_start.x, m_start.y, m_end.x, m_end.y, m_nWidth, m_nLineType, m_nHeadLength, m_nHeadWidth,
                   m_nStyle);
}

} // namespace zapho
