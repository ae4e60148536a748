#include "CPlotRectAngle.h"

#include "BufferedBinaryFile.h"

namespace zapho {

// The file keeps the order left, right, top, bottom.
void CPlotRectAngle::ReadFromFile(BufferedBinaryFile& file) {
    file.ReadInts(m_rect.left, m_rect.right, m_rect.top, m_rect.bottom, m_nWidth, m_nLineType, m_nFill);
}

void CPlotRectAngle::WriteToFile(BufferedBinaryFile& file) const {
    file.WriteInts(m_rect.left, m_rect.right, m_rect.top, m_rect.bottom, m_nWidth, m_nLineType, m_nFill);
}

} // namespace zapho
