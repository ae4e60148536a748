#include "PlotLine.h"

#include "BufferedBinaryFile.h"

namespace zapho {

void CPlotLine::ReadFromFile(BufferedBinaryFile& file) {
    const auto [x1, y1, x2, y2, width, lineType] = file.ReadInts<6>();
    m_start = {x1, y1};
    m_end = {x2, y2};
    m_nWidth = width;
    m_nLineType = lineType;
}

void CPlotLine::WriteToFile(BufferedBinaryFile& file) const {
    file.WriteInts(m_start.x, m_start.y, m_end.x, m_end.y, m_nWidth, m_nLineType);
}

} // namespace zapho
