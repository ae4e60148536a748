#pragma once
// A view: a drawn window showing a document. Commands reach the view first, then its
// document. OnDraw draws on screen (into the canvas), into print preview and on paper alike.

#include "platform/ui/CDC.h"
#include "platform/ui/CPrintInfo.h"
#include "platform/ui/CWnd.h"

class CDocument;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    CView();
    ~CView() override;

    // Makes the view's widget inside parent (the frame's client area).
    virtual BOOL Create(CWnd* parent);

    CDocument* GetDocument() const { return m_pDocument; }
    BOOL OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI) override;

    virtual void OnDraw(CDC* dc) = 0;
    virtual void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr);
    virtual void OnInitialUpdate();
    // Default: redraw the whole view.
    virtual void OnUpdate(CView* sender, long hint, CObject* hintObject);
    virtual void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView);

    // The print loop's steps (see PrintRunner.h).
    virtual BOOL OnPreparePrinting(CPrintInfo* info);
    virtual void OnBeginPrinting(CDC* dc, CPrintInfo* info);
    virtual void OnPrint(CDC* dc, CPrintInfo* info);
    virtual void OnEndPrinting(CDC* dc, CPrintInfo* info);
    virtual void OnEndPrintPreview(CDC* dc, CPrintInfo* info);
    // Asks for the printer (or decides on PDF); FALSE when cancelled.
    BOOL DoPreparePrinting(CPrintInfo* info);

    void OnPaint() override;

    CDocument* m_pDocument = nullptr;

protected:
    void OnFilePrint();
    void OnFilePrintPreview();
};
