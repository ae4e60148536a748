#include "PlotRectAngle.h"

#include "common/records/BinaryFile.h"

namespace zapho {

// The file keeps the order left, right, top, bottom.
void CPlotRectAngle::ReadFromFile(CBinaryFile& file) {
    file.ReadInt(m_rect.left);
    file.ReadInt(m_rect.right);
    file.ReadInt(m_rect.top);
    file.ReadInt(m_rect.bottom);
    file.ReadInt(m_nWidth);
    file.ReadInt(m_nLineType);
    file.ReadInt(m_nFill);
}

void CPlotRectAngle::WriteToFile(CBinaryFile& file) const {
    file.WriteInt(m_rect.left);
    file.WriteInt(m_rect.right);
    file.WriteInt(m_rect.top);
    file.WriteInt(m_rect.bottom);
    file.WriteInt(m_nWidth);
    file.WriteInt(m_nLineType);
    file.WriteInt(m_nFill);
}

} // namespace zapho
