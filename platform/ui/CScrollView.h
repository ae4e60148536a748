#pragma once
// A view with scroll bars in device units (MM_TEXT): the canvas shows the visible part,
// OnPrepareDC shifts the origin by the scroll position, so OnDraw draws in document
// coordinates. Scroll bar actions arrive at OnVScroll/OnHScroll, which a view may override
// to scroll by its own steps (pages of a list).

#include "platform/ui/CView.h"

class QScrollBar;

class CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)
public:
    BOOL Create(CWnd* parent) override;

    // total: document size; page/line: steps of the bar's page and arrow clicks (0: a tenth / a hundredth).
    void SetScrollSizes(int mapMode, CSize total, CSize page = CSize(0, 0), CSize line = CSize(0, 0));
    CSize GetTotalSize() const { return total_; }
    CPoint GetScrollPosition() const;
    // Scrolls so that point (document coordinates) is at the top left, clamped to the range.
    void ScrollToPosition(CPoint point);
    // Scroll bar position limit (total - client, at least 0).
    int GetScrollLimit(int bar) const;

    void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr) override;
    void OnSize(UINT type, int cx, int cy) override;
    // nSBCode: SB_...; position: the thumb position for SB_THUMBTRACK/SB_THUMBPOSITION.
    virtual void OnVScroll(UINT nSBCode, UINT position);
    virtual void OnHScroll(UINT nSBCode, UINT position);
    void OnKeyDown(UINT keyCode, UINT repeatCount, UINT flags) override;
    // Each wheel notch scrolls three arrow-click steps (through OnVScroll/OnHScroll, so views
    // with their own steps scroll by them); the vertical wheel scrolls sideways when only the
    // horizontal bar has room.
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point) override;
    void OnMouseHWheel(UINT flags, short delta, CPoint point) override;

    QScrollBar* VerticalBar() const { return vbar_; }
    QScrollBar* HorizontalBar() const { return hbar_; }

private:
    void UpdateBars();
    void Scroll(QScrollBar* bar, UINT code, UINT position, int line, int page);
    // Whole notches of delta (keeping the rest) as line steps on one bar.
    void WheelLines(bool vertical, int delta, int& pending);

    int mapMode_ = MM_TEXT;
    CSize total_{0, 0};
    CSize page_{0, 0};
    CSize line_{0, 0};
    QScrollBar* vbar_ = nullptr;
    QScrollBar* hbar_ = nullptr;
    int pendingWheel_ = 0;
    int pendingHWheel_ = 0;
};

enum : int { SB_HORZ = 0, SB_VERT = 1 };
