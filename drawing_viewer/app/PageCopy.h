#pragma once
// The page as a picture: drawn as for a printer (fixed dash lengths, the print colours) into
// SVG and into a PNG image, and both put on the clipboard together.

#include <QByteArray>
#include <QImage>

class CDC;

namespace zapho {

class CMainDoc;

// Draws the page's items, overflow items and texts with the DC mapped so that one logical
// unit is one plot unit with y upwards (the document's origin at the top left).
void DrawPageItems(CDC* dc, CMainDoc& doc, int page, bool measure, bool monochrome);

QByteArray PageAsSvg(CMainDoc& doc, int page, bool monochrome);
// dotsPerInch: the image's resolution on paper.
QImage PageAsImage(CMainDoc& doc, int page, bool monochrome, int dotsPerInch);
// Puts both onto the clipboard ("image/svg+xml" and the image); false when the page is empty.
bool CopyPageToClipboard(CMainDoc& doc, int page, bool monochrome);

} // namespace zapho
