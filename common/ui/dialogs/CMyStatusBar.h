#pragma once
// The status bar of the programs' main frames: the framework status bar on a white
// background, so that every frame creates its status bar through this one class.

#include "platform/ui/CStatusBar.h"

class CMyStatusBar : public CStatusBar {
public:
    BOOL Create(CFrameWnd* frame) override;
};
