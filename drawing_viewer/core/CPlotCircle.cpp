#include "CPlotCircle.h"

#include "BufferedBinaryFile.h"

namespace zapho {

bool CPlotCircle::IsFullCircle() const {
    const CPoint unset{platform::kUnsetInt, platform::kUnsetInt};
    return m_arcStart == unset && m_arcEnd == unset;
}

void CPlotCircle::ReadFromFile(BufferedBinaryFile& file) {
    file.ReadInts(m_arcStart.x, m_arcStart.y, m_arcEnd.x, m_arcEnd.y, m_centre.x, m_centre.y, m_nRadius,
                  m_nWidth, m_nLineType);
}

void CPlotCircle::WriteToFile(BufferedBinaryFile& file) const {
    file.WriteInts(m_arcStart.x, m_arcStart.y, m_arcEnd.x, m_arcEnd.y, m_centre.x, m_centre.y, m_nRadius,
                   m_nWidth, m_nLineType);
}

} // namespace zapho
