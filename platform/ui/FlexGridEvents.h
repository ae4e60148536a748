#pragma once
// What a flex grid reports to the window that owns it. Shift states are bit sets:
// 1 Shift, 2 Ctrl, 4 Alt. Mouse buttons: 1 left, 2 right, 4 middle. Points are in
// pixels of the grid control.

#include "platform/core/CPoint.h"
#include "platform/core/Types.h"

class FlexGridEvents {
public:
    virtual ~FlexGridEvents() = default;
    // keyCode is a virtual-key code (VK_...); the grid itself does nothing with the key.
    virtual void OnGridKeyDown(UINT keyCode, UINT shift) = 0;
    virtual void OnGridMouseDown(int button, UINT shift, CPoint point) = 0;
    virtual void OnGridMouseUp(int button, UINT shift, CPoint point) = 0;
    // The current cell changed (by the mouse or by the program).
    virtual void OnGridEnterCell() = 0;
    // The visible rows or columns changed.
    virtual void OnGridScroll() = 0;
};
