#pragma once
// The page as a picture: drawn as for a printer (fixed dash lengths, the print colours) into
// SVG and into a PNG image, and both put on the clipboard together.

#include <QByteArray>
#include <QImage>

class CDC;

namespace zapho {

class CMainDoc;

// A part of the page in plot units: its top-left corner (y upwards) and its size.
struct PaperRange {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Draws the page's items, overflow items and texts with the DC mapped so that one logical
// unit is one plot unit with y upwards (the document's origin at the top left).
void DrawPageItems(CDC* dc, CMainDoc& doc, int page, bool measure, bool monochrome);
// The same on the screen: on an image, the items in bands on several threads.
void DrawPageItemsInBands(CDC* dc, CMainDoc& doc, int page, bool measure, bool monochrome);

// range: the part of the page to draw; null for the whole paper.
QByteArray PageAsSvg(CMainDoc& doc, int page, bool monochrome, const PaperRange* range = nullptr);
// dotsPerInch: the image's resolution on paper.
QImage PageAsImage(CMainDoc& doc, int page, bool monochrome, int dotsPerInch,
                   const PaperRange* range = nullptr);
// Puts both onto the clipboard ("image/svg+xml" and the image); false when the page is empty.
bool CopyPageToClipboard(CMainDoc& doc, int page, bool monochrome, const PaperRange* range = nullptr);

} // namespace zapho
