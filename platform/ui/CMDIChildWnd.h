#pragma once
// A child frame inside an MDI main frame, holding one view.

#include "platform/ui/CFrameWnd.h"

class CMDIFrameWnd;

class CMDIChildWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIChildWnd)
public:
    // parent: the MDI main frame.
    BOOL LoadFrame(CDocument* document, const CRuntimeClass* viewClass, CWnd* parent) override;
    CMDIFrameWnd* GetMDIFrame() const;
    void MDIActivate();
    void OnUpdateFrameTitle(BOOL addToTitle) override;
};
