#include "PlotArrow.h"

#include "common/records/BinaryFile.h"

namespace zapho {

void CPlotArrow::ReadFromFile(CBinaryFile& file) {
    m_start = ReadPoint(file);
    m_end = ReadPoint(file);
    file.ReadInt(m_nWidth);
    file.ReadInt(m_nLineType);
    file.ReadInt(m_nHeadLength);
    file.ReadInt(m_nHeadWidth);
    file.ReadInt(m_nStyle);
}

void CPlotArrow::WriteToFile(CBinaryFile& file) const {
    WritePoint(file, m_start);
    WritePoint(file, m_end);
    file.WriteInt(m_nWidth);
    file.WriteInt(m_nLineType);
    file.WriteInt(m_nHeadLength);
    file.WriteInt(m_nHeadWidth);
    file.WriteInt(m_nStyle);
}

} // namespace zapho
