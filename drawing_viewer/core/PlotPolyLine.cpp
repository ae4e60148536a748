#include "PlotPolyLine.h"

#include "BufferedBinaryFile.h"
#include "PointList.h"

namespace zapho {

void CPlotPolyLine::ReadFromFile(BufferedBinaryFile& file) {
    ReadPointList(file, m_points);
    const auto [width, lineType] = file.ReadInts<2>();
    m_nWidth = width;
    m_nLineType = lineType;
}

void CPlotPolyLine::WriteToFile(BufferedBinaryFile& file) const {
    WritePointList(file, m_points);
    file.WriteInts(m_nWidth, m_nLineType);
}

} // namespace zapho
