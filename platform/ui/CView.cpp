#include "platform/ui/CView.h"

#include "platform/ui/CDocument.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/PrintRunner.h"

#include <QWidget>

IMPLEMENT_DYNAMIC(CView, CWnd)

CView::CView() {
    MapCommand(ID_FILE_PRINT, [this] { OnFilePrint(); });
    MapCommand(ID_FILE_PRINT_DIRECT, [this] { OnFilePrint(); });
    MapCommand(ID_FILE_PRINT_PREVIEW, [this] { OnFilePrintPreview(); });
}

CView::~CView() {
    if (m_pDocument) {
        CDocument* document = m_pDocument;
        document->RemoveView(this);
    }
}

BOOL CView::Create(CWnd* parent) {
    m_pParentWnd = parent;
    CreateCanvasWidget(nullptr);
    return TRUE;
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI) {
    if (CWnd::OnCmdMsg(nID, nCode, pCmdUI)) {
        return TRUE;
    }
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pCmdUI);
}

void CView::OnPrepareDC(CDC*, CPrintInfo*) {}

void CView::OnInitialUpdate() {
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, long, CObject*) {
    Invalidate(TRUE);
}

void CView::OnActivateView(BOOL, CView*, CView*) {}

BOOL CView::OnPreparePrinting(CPrintInfo* info) {
    return DoPreparePrinting(info);
}
void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}
void CView::OnPrint(CDC* dc, CPrintInfo*) {
    OnDraw(dc);
}
// The screen shows again what printing may have drawn over.
void CView::OnEndPrinting(CDC*, CPrintInfo*) {
    Invalidate(TRUE);
}
void CView::OnEndPrintPreview(CDC* dc, CPrintInfo* info) {
    OnEndPrinting(dc, info);
}

BOOL CView::DoPreparePrinting(CPrintInfo* info) {
    return platform::PrintRunner::PreparePrinting(this, info);
}

void CView::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(client, RGB(255, 255, 255));
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

void CView::OnFilePrint() {
    platform::PrintRunner::Print(this);
}

void CView::OnFilePrintPreview() {
    platform::PrintRunner::Preview(this);
}
