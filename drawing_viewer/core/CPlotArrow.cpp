#include "CPlotArrow.h"

#include "BufferedBinaryFile.h"

namespace zapho {

void CPlotArrow::ReadFromFile(BufferedBinaryFile& file) {
    file.ReadInts(m_start.x, m_start.y, m_end.x, m_end.y, m_nWidth, m_nLineType, m_nHeadLength, m_nHeadWidth,
                  m_nStyle);
}

void CPlotArrow::WriteToFile(BufferedBinaryFile& file) const {
    file.WriteInts(m_start.x, m_start.y, m_end.x, m_end.y, m_nWidth, m_nLineType, m_nHeadLength, m_nHeadWidth,
                   m_nStyle);
}

} // namespace zapho
