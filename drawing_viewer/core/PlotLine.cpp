#include "PlotLine.h"

#include "common/records/BinaryFile.h"

namespace zapho {

void CPlotLine::ReadFromFile(CBinaryFile& file) {
    m_start = ReadPoint(file);
    m_end = ReadPoint(file);
    file.ReadInt(m_nWidth);
    file.ReadInt(m_nLineType);
}

void CPlotLine::WriteToFile(CBinaryFile& file) const {
    WritePoint(file, m_start);
    WritePoint(file, m_end);
    file.WriteInt(m_nWidth);
    file.WriteInt(m_nLineType);
}

} // namespace zapho
