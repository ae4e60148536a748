#include "CPlotCenterMark.h"

#include "BufferedBinaryFile.h"

namespace zapho {

void CPlotCenterMark::ReadFromFile(BufferedBinaryFile& file) {
    file.ReadInts(m_point.x, m_point.y, m_nSize, m_nStyle, m_nKind, m_nWidth);
}

void CPlotCenterMark::WriteToFile(BufferedBinaryFile& file) const {
    file.WriteInts(m_point.x, m_point.y, m_nSize, m_nStyle, m_nKind, m_nWidth);
}

} // namespace zapho
