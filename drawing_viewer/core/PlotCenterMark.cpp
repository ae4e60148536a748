#include "PlotCenterMark.h"

#include "BufferedBinaryFile.h"

namespace zapho {

void CPlotCenterMark::ReadFromFile(BufferedBinaryFile& file) {
    const auto [x, y, size, style, kind, width] = file.ReadInts<6>();
    m_point = {x, y};
    m_nSize = size;
    m_nStyle = style;
    m_nKind = kind;
    m_nWidth = width;
}

void CPlotCenterMark::WriteToFile(BufferedBinaryFile& file) const {
    file.WriteInts(m_point.x, m_point.y, m_nSize, m_nStyle, m_nKind, m_nWidth);
}

} // namespace zapho
