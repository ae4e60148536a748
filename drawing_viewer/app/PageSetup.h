#pragma once
// Page arithmetic of the main view: the paper a page is drawn on, the scale that fits it
// into a window, and the texts of the prompt bar.

#include "drawing_viewer/core/PlotDrawing.h"

#include "platform/core/CString.h"

namespace zapho {

struct PagePaper {
    int width = 200; // plot units (0.1 mm)
    int height = 200;
    int paperCode = 0;
    int orientation = 0;
};

PagePaper PaperOfPage(const PlotDrawing& drawing, int page);
// Pixels per plot unit that show width x height inside a window of clientWidth x
// clientHeight less the margins; never zero or negative.
double FitScale(int width, int height, int clientWidth, int clientHeight, int marginX, int marginY);
// "A4横(297×210mm)" and the like; empty for a page without a paper code.
CString PaperName(int paperCode, int orientation);
// The prompt bar text: the mode text, then "     ﾍﾟｰｼﾞ n(count)  paper".
CString PromptText(const CString& modeText, int page, int pageCount, const CString& paperName);

} // namespace zapho
