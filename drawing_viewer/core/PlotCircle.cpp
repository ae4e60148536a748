#include "PlotCircle.h"

#include "BufferedBinaryFile.h"

namespace zapho {

bool CPlotCircle::IsFullCircle() const {
    const CPoint unset{platform::kUnsetInt, platform::kUnsetInt};
    return m_arcStart == unset && m_arcEnd == unset;
}

void CPlotCircle::ReadFromFile(BufferedBinaryFile& file) {
    const auto [x1, y1, x2, y2, cx, cy, radius, width, lineType] = file.ReadInts<9>();
    m_arcStart = {x1, y1};
    m_arcEnd = {x2, y2};
    m_centre = {cx, cy};
    m_nRadius = radius;
    m_nWidth = width;
    m_nLineType = lineType;
}

void CPlotCircle::WriteToFile(BufferedBinaryFile& file) const {
    file.WriteInts(m_arcStart.x, m_arcStart.y, m_arcEnd.x, m_arcEnd.y, m_centre.x, m_centre.y, m_nRadius,
                   m_nWidth, m_nLineType);
}

} // namespace zapho
