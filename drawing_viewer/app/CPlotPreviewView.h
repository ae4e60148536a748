#pragma once
// The drawing viewer's print preview: one page at a time on the paper of the page shown,
// with its own bar of buttons - print, next and previous page, zoom in and out, close.
// Print closes the preview and runs the view's print command.

class CView;

namespace zapho {

class CPlotPreviewView {
public:
    // Object name of the preview window (tests find it by it) and of its buttons.
    static constexpr char kObjectName[] = "zaphoPlotPreview";
    enum Button {
        kPrint = 58116,
        kNext = 58117,
        kPrevious = 58118,
        kZoomIn = 58120,
        kZoomOut = 58121,
        kClose = 58112
    };

    // Shows the view's pages modally; true when the user asked to print them.
    static bool Run(CView* view);
};

} // namespace zapho
