#include "PlotCircle.h"

#include "common/records/BinaryFile.h"

namespace zapho {

bool CPlotCircle::IsFullCircle() const {
    const CPoint unset{platform::kUnsetInt, platform::kUnsetInt};
    return m_arcStart == unset && m_arcEnd == unset;
}

void CPlotCircle::ReadFromFile(CBinaryFile& file) {
    m_arcStart = ReadPoint(file);
    m_arcEnd = ReadPoint(file);
    m_centre = ReadPoint(file);
    file.ReadInt(m_nRadius);
    file.ReadInt(m_nWidth);
    file.ReadInt(m_nLineType);
}

void CPlotCircle::WriteToFile(CBinaryFile& file) const {
    WritePoint(file, m_arcStart);
    WritePoint(file, m_arcEnd);
    WritePoint(file, m_centre);
    file.WriteInt(m_nRadius);
    file.WriteInt(m_nWidth);
    file.WriteInt(m_nLineType);
}

} // namespace zapho
