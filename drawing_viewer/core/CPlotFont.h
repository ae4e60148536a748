#pragma once
// A font of the document's font list, shared by the texts of every page, and the extra
// space drawn between the characters of its texts. The face and sizes are those of a
// device font description (the renderer turns them into one); heights are plot units.

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

namespace zapho {

class BufferedBinaryFile;

class CPlotFont : public CObject {
public:
    static constexpr int kMaxFaceBytes = 31;
    // Angles of the texts relative to the coordinate system (the clip-precision bit).
    static constexpr int kClipAngles = 0x10;
    static constexpr int kShiftJisCharset = 128;

    // Keeps at most kMaxFaceBytes bytes, never half a double-byte character.
    void SetFaceName(const CString& face);

    void ReadFromFile(BufferedBinaryFile& file);
    void WriteToFile(BufferedBinaryFile& file) const;

    CString m_faceName;
    int m_nCharSet = kShiftJisCharset;
    int m_nHeight = 0;
    int m_nWidth = 0;
    int m_nEscapement = 0;
    int m_nOrientation = 0;
    int m_nClipPrecision = kClipAngles;
    int m_nSpacing = 0; // extra space between characters
};

} // namespace zapho
