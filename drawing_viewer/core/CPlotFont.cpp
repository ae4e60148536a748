#include "CPlotFont.h"

#include "BufferedBinaryFile.h"
#include "common/records/TextHelpers.h"

namespace zapho {

void CPlotFont::SetFaceName(const CString& face) {
    m_faceName = CutToWidth(face, kMaxFaceBytes);
}

void CPlotFont::ReadFromFile(BufferedBinaryFile& file) {
    CString face;
    file.ReadString(face);
    SetFaceName(face);
    file.ReadInt(m_nCharSet);
    file.ReadInt(m_nHeight);
    file.ReadInt(m_nWidth);
    file.ReadInt(m_nEscapement);
    m_nOrientation = m_nEscapement;
    file.ReadInt(m_nSpacing);
    m_nClipPrecision |= kClipAngles;
}

void CPlotFont::WriteToFile(BufferedBinaryFile& file) const {
    file.WriteString(m_faceName);
    file.WriteInt(m_nCharSet);
    file.WriteInt(m_nHeight);
    file.WriteInt(m_nWidth);
    file.WriteInt(m_nEscapement);
    file.WriteInt(m_nSpacing);
}

} // namespace zapho
