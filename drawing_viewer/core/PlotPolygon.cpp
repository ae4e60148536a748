#include "PlotPolygon.h"

#include "PointList.h"
#include "common/records/BinaryFile.h"

namespace zapho {

CPlotPolygon::CPlotPolygon(const CPoint* points, int count, int lineType, int widthCode, int fill)
    : CPlotData(kPlotPolygon), m_nWidth(widthCode), m_nLineType(lineType), m_nFill(fill) {
    for (int i = 0; i < count; ++i) {
        if (m_points.empty() || !(m_points.back() == points[i])) {
            m_points.push_back(points[i]);
        }
    }
}

void CPlotPolygon::ReadFromFile(CBinaryFile& file) {
    ReadPointList(file, m_points);
    file.ReadInt(m_nWidth);
    file.ReadInt(m_nLineType);
    file.ReadInt(m_nFill);
}

void CPlotPolygon::WriteToFile(CBinaryFile& file) const {
    WritePointList(file, m_points);
    file.WriteInt(m_nWidth);
    file.WriteInt(m_nLineType);
    file.WriteInt(m_nFill);
}

} // namespace zapho
