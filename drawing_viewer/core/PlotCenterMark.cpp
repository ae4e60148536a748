#include "PlotCenterMark.h"

#include "common/records/BinaryFile.h"

namespace zapho {

void CPlotCenterMark::ReadFromFile(CBinaryFile& file) {
    m_point = ReadPoint(file);
    file.ReadInt(m_nSize);
    file.ReadInt(m_nStyle);
    file.ReadInt(m_nKind);
    file.ReadInt(m_nWidth);
}

void CPlotCenterMark::WriteToFile(CBinaryFile& file) const {
    WritePoint(file, m_point);
    file.WriteInt(m_nSize);
    file.WriteInt(m_nStyle);
    file.WriteInt(m_nKind);
    file.WriteInt(m_nWidth);
}

} // namespace zapho
