#pragma once
// Small document and view classes the layer tests build frames from.

#include "platform/ui/CDocument.h"
#include "platform/ui/CScrollView.h"

#include <functional>
#include <string>
#include <vector>

class TestDocument : public CDocument {
    DECLARE_DYNCREATE(TestDocument)
public:
    BOOL OnOpenDocument(LPCTSTR path) override { return CString(path).Find("refuse") < 0; }
};

// Draws a black 10x10 square at document (20, 30) and a line per printed page.
class TestView : public CScrollView {
    DECLARE_DYNCREATE(TestView)
public:
    void OnDraw(CDC* dc) override {
        CBrush black(RGB(0, 0, 0));
        CBrush* old = dc->SelectObject(&black);
        dc->Rectangle(20, 30, 30, 40);
        dc->SelectObject(old);
        dc->TextOut(0, 0, CString(u8"表示 ＭＳ ゴシック"));
    }
    BOOL OnPreparePrinting(CPrintInfo* info) override {
        info->SetMaxPage(pageCount);
        return DoPreparePrinting(info);
    }
    void OnPrint(CDC* dc, CPrintInfo* info) override {
        printedPages.push_back(info->m_nCurPage);
        if (onPage)
            onPage(info->m_nCurPage);
        OnDraw(dc);
    }
    std::vector<UINT> printedPages;
    UINT pageCount = 2;
    std::function<void(UINT)> onPage;
};
