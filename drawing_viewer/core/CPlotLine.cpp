#include "CPlotLine.h"

#include "BufferedBinaryFile.h"

namespace zapho {

void CPlotLine::ReadFromFile(BufferedBinaryFile& file) {
    file.ReadInts(m_start.x, m_start.y, m_end.x, m_end.y, m_nWidth, m_nLineType);
}

void CPlotLine::WriteToFile(BufferedBinaryFile& file) const {
    file.WriteInts(m_start.x, m_start.y, m_end.x, m_end.y, m_nWidth, m_nLineType);
}

} // namespace zapho
