#pragma once
// Sizes of a list view: its child window when it opens, and its scroll sizes.
// Every length is in device pixels.

namespace wenux {

struct ChildWindowSize {
    int width = 0;
    int height = 0;
    bool widenMainFrame = false; // the main frame is to become mainFrameWidth wide and be centred
    int mainFrameWidth = 0;
};

// textWidth/textHeight: display font metrics; clientWidth/clientHeight: the MDI client area;
// scrollBarWidth and frameWidth of the system. The view is wide enough for a row and its page
// mark of up to four digits ("P.9999"). A result list too wide for the client area
// widens the main frame when the program was started with a file, else it is narrowed.
ChildWindowSize ComputeChildWindowSize(int documentType, int lineWidth, int textWidth, int textHeight,
                                       int clientWidth, int clientHeight, int scrollBarWidth, int frameWidth,
                                       bool startedWithFile, int mainFrameWidth);

struct ScrollSizes {
    int totalWidth = 0, totalHeight = 0;
    int pageWidth = 0, pageHeight = 0;
    int lineWidth = 0, lineHeight = 0;
};

ScrollSizes ComputeScrollSizes(int textWidth, int pageCount);

struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The rectangle moved to the screen's centre, kept inside the screen (never above or left of 0).
ScreenRect CenterOnScreen(const ScreenRect& rect, int screenWidth, int screenHeight);

} // namespace wenux
