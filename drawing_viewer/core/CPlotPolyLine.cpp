#include "CPlotPolyLine.h"

#include "BufferedBinaryFile.h"
#include "PointList.h"

namespace zapho {

void CPlotPolyLine::ReadFromFile(BufferedBinaryFile& file) {
    ReadPointList(file, m_points);
    file.ReadInts(m_nWidth, m_nLineType);
}

void CPlotPolyLine::WriteToFile(BufferedBinaryFile& file) const {
    WritePointList(file, m_points);
    file.WriteInts(m_nWidth, m_nLineType);
}

} // namespace zapho
