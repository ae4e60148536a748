#pragma once
// Writes one page of a drawing as a DXF file (millimetres; plot units are written as
// tenths): its drawing and overflow lists and its texts, on layer "0". Arrow heads of the
// open kinds and the point marks become references of the blocks the file defines; texts
// get a height and width factor that fit their single- or double-byte characters. Line
// types are written as the drawing shows them (dash-dot-dot, and a width code of 0 keeps
// its type); the blocks' contents take their INSERT's colour.
// Unfilled polygons and polygon outlines are not written.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

class CDxfWriter;

namespace zapho {

class PlotDrawing;
class CPlotData;
class CPlotString;
class CPlotFont;

class CPlotDxfWriter {
public:
    enum ColorMethod { kMonochrome = 0, kCurrentColors = 1, kWidthColors = 2 };

    // The defaults: mixed-text scale 0.5, half-width scale 1.0, monochrome, width colours
    // 5, 8, 1, 6, release 12.
    CPlotDxfWriter();
    // The choices of the DXF output dialog.
    CPlotDxfWriter(double mixedTextScale, double halfWidthScale, int colorMethod, const int widthColors[4]);

    // Writes the page through a temporary that replaces the file only when complete. FALSE
    // when the file could not be written (the message has been shown).
    BOOL ExportPage(const char* path, const PlotDrawing& drawing, int page);

    double m_dMixedTextScale = 0.5;
    double m_dHalfWidthScale = 1.0;
    int m_nColorMethod = kMonochrome;
    int m_widthColors[4] = {5, 8, 1, 6};
    int m_nVersion = 0; // 0: release 12, 14: release 14

private:
    void WriteEntities(CDxfWriter& dxf, const PlotDrawing& drawing, int page);
    void WriteItem(CDxfWriter& dxf, const CPlotData& item);
    void WriteText(CDxfWriter& dxf, const CPlotString& text, const CPlotFont* font);
    // The colour number of an item of this colour number and width code (the width code
    // becomes 1 under the width colours).
    int ItemColor(CDxfWriter& dxf, const CPlotData& item, int& widthCode) const;
};

} // namespace zapho
