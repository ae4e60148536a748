#pragma once
// A tool bar of command buttons. Buttons show their texts (no platform bitmaps exist);
// their enabled and checked states come from the update handlers at idle time.

#include "platform/core/CString.h"
#include "platform/ui/CCmdTarget.h"

#include <QPointer>
#include <QToolBar>
#include <initializer_list>
#include <utility>

class CFrameWnd;

class CToolBar : public CCmdTarget {
public:
    BOOL Create(CFrameWnd* frame);
    // ID_SEPARATOR makes a gap.
    BOOL SetButtons(const UINT* ids, int count);
    void SetButtonText(int index, const CString& text);
    // The texts of the buttons of the ids (UTF-8).
    void SetButtonTexts(std::initializer_list<std::pair<UINT, const char8_t*>> texts);
    int CommandToIndex(UINT id) const;
    // Runs the update handlers of the buttons along target's route.
    void UpdateButtons(CCmdTarget* target);
    QToolBar* Bar() const { return bar_; }

private:
    QPointer<QToolBar> bar_;
    CFrameWnd* frame_ = nullptr;
};
