#pragma once
// A view printed as the print job prints it, onto an A4 page image at 150 dots per inch.

#include <QImage>

class CView;

namespace testsupport {

// White where nothing is printed; a null image when the page could not take the drawing.
QImage PrintedA4Page(CView& view);

} // namespace testsupport
