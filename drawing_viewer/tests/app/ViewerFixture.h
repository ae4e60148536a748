#pragma once
// The drawing viewer started offscreen on a hand-made plot index, with the mouse driven by
// calls of the view's handlers at client points and dialogs answered by the dialog script.

#include "ViewerProgramFixture.h"

#include "drawing_viewer/app/CMainView.h"
#include "drawing_viewer/app/CViewerDoc.h"
#include "drawing_viewer/app/CZaphoApp.h"

#include "platform/ui/CDialog.h"
#include "platform/ui/DialogScript.h"

#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace zapho {

class ViewerFixture : public ViewerProgramFixture {
protected:
    // Page 1: A4 landscape; page 2: A4 portrait; page 3: A3 landscape.
    static constexpr char kIndex[] =
        "one.p01 2970 2100 0.1 8\ntwo.p01 2100 2970 0.1 9\nthree.p01 4200 2970 0.1 8\n";

    void SetUp() override {
        ViewerProgramFixture::SetUp();
        plots_.Write("one.p01", "V9\nL500,1000,2500,1000\n");
        plots_.Write("two.p01", "V0\nL100,100,200,200\n");
        plots_.Write("three.p01", "V0\nL100,100,4000,2800\n");
        index_ = plots_.Write("plot.p00", kIndex);
        app_->m_args = {CString(index_)};
        ASSERT_TRUE(app_->InitInstance());
        Events();
        view_ = FindView();
        ASSERT_NE(view_, nullptr);
        view_->UpdateWindow();
    }
    void TearDown() override {
        platform::DialogScript::Clear();
        if (CMainView* view = app_ ? FindView() : nullptr) {
            view->GetDocument()->SetModifiedFlag(FALSE); // closes without the question
        }
        ViewerProgramFixture::TearDown();
    }
    CPoint At(double x, double y) const { return view_->PaperToClient(x, y); }
    // A press and a release at paper points, with the moves a hand makes between them.
    void Drag(double x1, double y1, double x2, double y2, UINT flags = 0) {
        const CPoint a = At(x1, y1), b = At(x2, y2);
        view_->OnMouseMove(flags, a);
        view_->OnLButtonDown(flags | MK_LBUTTON, a);
        view_->OnMouseMove(flags | MK_LBUTTON, CPoint((a.x + b.x) / 2, (a.y + b.y) / 2));
        view_->OnMouseMove(flags | MK_LBUTTON, b);
        view_->OnLButtonUp(flags, b);
        Events();
    }
    void Click(double x, double y, UINT flags = 0) { Drag(x, y, x, y, flags); }
    // Queues an answer that sets the dialog's fields and presses OK.
    static void AnswerWithOk(std::function<void(CDialog&)> fill) {
        platform::DialogScript::Queue([fill = std::move(fill)](CDialog& dialog) {
            fill(dialog);
            dialog.GetDlgItemWidget(IDOK)->setFocus();
            dialog.OnOK();
        });
    }
    // A string of the page shown with its extent measured.
    CPlotString& AddString(int x, int y, const char8_t* text, int height, int escapement = 0) {
        PlotDrawing& drawing = view_->Data().m_drawing;
        const int font = drawing.GetNewFontIndex(height, 0, escapement, 0);
        auto item = std::make_unique<CPlotString>(x, y, CString(text), font, 0);
        item->m_nEscapement = escapement;
        const CSize extent = view_->MeasureString(item->m_text, font, item->m_nAlign);
        item->m_nTextWidth = extent.cx;
        item->m_nTextHeight = extent.cy;
        view_->PageTexts().push_back(std::move(item));
        return *view_->PageTexts().back();
    }
    bool Modified() const { return view_->GetDocument()->IsModified() != FALSE; }

    CMainView* view_ = nullptr;
};

} // namespace zapho
