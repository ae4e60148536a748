#include "CPlotPolygon.h"

#include "BufferedBinaryFile.h"
#include "PointList.h"

namespace zapho {

CPlotPolygon::CPlotPolygon(const CPoint* points, int count, int lineType, int widthCode, int fill)
    : CPlotData(kPlotPolygon), m_nWidth(widthCode), m_nLineType(lineType), m_nFill(fill) {
    for (int i = 0; i < count; ++i) {
        if (m_points.empty() || !(m_points.back() == points[i])) {
            m_points.push_back(points[i]);
        }
    }
}

void CPlotPolygon::ReadFromFile(BufferedBinaryFile& file) {
    ReadPointList(file, m_points);
    file.ReadInts(m_nWidth, m_nLineType, m_nFill);
}

void CPlotPolygon::WriteToFile(BufferedBinaryFile& file) const {
    WritePointList(file, m_points);
    file.WriteInts(m_nWidth, m_nLineType, m_nFill);
}

} // namespace zapho
