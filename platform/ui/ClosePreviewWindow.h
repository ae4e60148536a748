#pragma once
// A print preview whose one button is Close: the page a view prints, shown fitted in a
// window with nothing to print, page through or zoom from (for print commands that print
// one page without a dialog). The Close button has the focus.

class CView;
class CPrintInfo;

namespace platform {

class ClosePreviewWindow {
public:
    // Object name of the preview window (tests find it by it).
    static const char* const kObjectName;

    // Shows prepared's pages of view modally until it is closed; prepared's printer gives
    // the page set-up.
    static void Run(CView* view, const CPrintInfo& prepared);
};

} // namespace platform
