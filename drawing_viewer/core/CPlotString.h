#pragma once
// A text at an anchor point, in a font of the document's font list (by position). The
// text is CP932, at most kMaxTextBytes bytes.

#include "CPlotData.h"

#include "platform/core/CRect.h"
#include "platform/core/CString.h"

#include <array>

namespace zapho {

class CPlotString : public CPlotData {
public:
    static constexpr int kMaxTextBytes = 128;
    // Text-align bits: right 2, centre 6 (else left); bottom 8 (else top).
    static constexpr int kAlignRight = 2;
    static constexpr int kAlignCentre = 6;
    static constexpr int kAlignBottom = 8;

    CPlotString() : CPlotData(kPlotString) {}
    CPlotString(int x, int y, const CString& text, int fontIndex, int opaque)
        : CPlotData(kPlotString), m_x(x), m_y(y), m_text(text), m_nOpaque(opaque), m_nFont(fontIndex) {}

    void ReadFromFile(BufferedBinaryFile& file) override;
    void WriteToFile(BufferedBinaryFile& file) const override;

    // The corners of the text box (measured extent) anchored at (x, y), turned by the
    // escapement about the anchor: top-left, top-right, bottom-right, bottom-left.
    std::array<CPoint, 4> BoxCorners(int x, int y) const;
    CRect BoundingRect(int x, int y) const;

    int m_x = 0;
    int m_y = 0;
    CString m_text;
    int m_nOpaque = 0; // the W flag: drawn on an opaque background
    int m_nFont = 0;
    int m_nTextWidth = 0; // extent, 0 until measured
    int m_nTextHeight = 0;
    int m_nAlign = kAlignBottom;
    int m_nEscapement = 0; // tenths of a degree
    int m_nSelect = 0;     // 1 while selected in the view; never written to files
};

} // namespace zapho
