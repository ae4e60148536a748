#pragma once
// A view's pages in a print preview widget. The widget shows pages recorded once and scaled
// as pictures, so a line thinner than a screen pixel at the zoom shown would fade or drop
// out: the pages are drawn again for each zoom they are shown at, with pens that keep at
// least one screen pixel there (CDC::SetPreviewScale), so every line of the printed page
// shows at every zoom.

class CView;
class CPrintInfo;
class QPrinter;
class QPrintPreviewWidget;

namespace platform {

class PreviewPages {
public:
    // Draws view's pages into pages whenever it asks for them and again after its zoom has
    // changed. prepared (the prepared print run: page range, printer) must outlive pages.
    static void Attach(QPrintPreviewWidget* pages, CView* view, const CPrintInfo& prepared);
    // Screen pixels per printer pixel at the widget's zoom.
    static double ScreenScale(const QPrintPreviewWidget& pages, const QPrinter& printer);
};

} // namespace platform
