#pragma once
// A frame window holding one view, shown on the offscreen platform as a program's window holds
// it. The frame is owned here and does not delete itself; the document stays the caller's and
// must outlive the window, because the view refers to it until the frame is gone.

class CDocument;
class CFrameWnd;
class CView;
struct CRuntimeClass;

namespace testsupport {

class ViewWindow {
public:
    ViewWindow() = default;
    ~ViewWindow();
    ViewWindow(const ViewWindow&) = delete;
    ViewWindow& operator=(const ViewWindow&) = delete;

    // Makes the titled frame with a view of viewClass on document (may be null), sizes it,
    // shows it and lets its first paint run. False if the frame or the view could not be made.
    bool Open(const char* title, CDocument* document, const CRuntimeClass* viewClass, int width, int height);
    // Deletes the frame and its view; nothing when none is open.
    void Close();

    CFrameWnd* Frame() const { return frame_; }
    CView* View() const;

private:
    CFrameWnd* frame_ = nullptr;
};

} // namespace testsupport
