#include "PlotPolyLine.h"

#include "PointList.h"
#include "common/records/BinaryFile.h"

namespace zapho {

void CPlotPolyLine::ReadFromFile(CBinaryFile& file) {
    ReadPointList(file, m_points);
    file.ReadInt(m_nWidth);
    file.ReadInt(m_nLineType);
}

void CPlotPolyLine::WriteToFile(CBinaryFile& file) const {
    WritePointList(file, m_points);
    file.WriteInt(m_nWidth);
    file.WriteInt(m_nLineType);
}

} // namespace zapho
