#include "PlotRectAngle.h"

#include "BufferedBinaryFile.h"

namespace zapho {

// The file keeps the order left, right, top, bottom.
void CPlotRectAngle::ReadFromFile(BufferedBinaryFile& file) {
    const auto [left, right, top, bottom, width, lineType, fill] = file.ReadInts<7>();
    m_rect = {left, top, right, bottom};
    m_nWidth = width;
    m_nLineType = lineType;
    m_nFill = fill;
}

void CPlotRectAngle::WriteToFile(BufferedBinaryFile& file) const {
    file.WriteInts(m_rect.left, m_rect.right, m_rect.top, m_rect.bottom, m_nWidth, m_nLineType, m_nFill);
}

} // namespace zapho
