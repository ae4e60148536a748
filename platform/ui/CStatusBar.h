#pragma once
// The status bar: pane 0 (ID_SEPARATOR) stretches and shows messages; the other panes are
// indicators whose texts an update handler may set. Each pane label carries its id as its
// objectName.

#include "platform/core/CString.h"
#include "platform/ui/CCmdTarget.h"

#include <QPointer>
#include <QStatusBar>
#include <initializer_list>
#include <vector>

class QLabel;
class CFrameWnd;

class CStatusBar : public CCmdTarget {
public:
    virtual BOOL Create(CFrameWnd* frame);
    BOOL SetIndicators(const UINT* ids, int count);
    // Creates the bar with the message pane followed by the indicator panes, each at least as
    // wide as `digits` digits of the bar's font.
    BOOL CreateWithIndicators(CFrameWnd* frame, std::initializer_list<UINT> indicators, int digits);
    BOOL SetPaneText(int index, const CString& text, BOOL update = TRUE);
    CString GetPaneText(int index) const;
    UINT GetItemID(int index) const;
    int GetCount() const { return static_cast<int>(panes_.size()); }
    // width: minimum width in pixels.
    void SetPaneInfo(int index, UINT id, UINT style, int width);
    void UpdatePanes(CCmdTarget* target);
    QStatusBar* Bar() const { return bar_; }

private:
    QPointer<QStatusBar> bar_;
    std::vector<QLabel*> panes_;
    std::vector<UINT> ids_;
};
