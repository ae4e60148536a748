#pragma once
// Fixture of a program's view tests: an empty document of the program in a frame with the
// program's view, shown on the offscreen platform, the view settings at the program's defaults.
// Program names what differs between the programs:
//   Document, View     the document and view classes
//   kTitle             the frame's title
//   ViewClass()        the view's runtime class
//   ResetSettings()    the program's view settings back to its defaults
// Base is the fixture beneath (RecordingSinkTest or TempDirTest). A test that goes on in its own
// SetUp wraps this one's in ASSERT_NO_FATAL_FAILURE, so that a window not made stops it.

#include "platform/ui/CClientDC.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/DialogScript.h"
#include "testsupport/Fixtures.h"
#include "testsupport/ui/TestApplication.h"
#include "testsupport/ui/ViewWindow.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace testsupport {

template <class Program, class Base = RecordingSinkTest> class ProgramViewTest : public Base {
protected:
    using Document = typename Program::Document;
    using View = typename Program::View;

    explicit ProgramViewTest(int width = 1200, int height = 800) : width_(width), height_(height) {}

    void SetUp() override {
        Base::SetUp();
        TestApplication();
        ResetSettings();
        document_ = new Document;
        document_->m_bAutoDelete = FALSE;
        ASSERT_TRUE(window_.Open(Program::kTitle, document_, Program::ViewClass(), width_, height_));
        frame_ = window_.Frame();
        view_ = static_cast<View*>(window_.View());
    }
    void TearDown() override {
        platform::DialogScript::Clear();
        window_.Close();
        delete document_;
        document_ = nullptr;
        Base::TearDown();
    }
    // The settings the window starts with; a test wanting others (a settings directory) overrides.
    virtual void ResetSettings() { Program::ResetSettings(); }
    auto& Model() { return document_->Model(); }
    // A menu command sent to the view, as the frame routes it.
    void Command(UINT id) { view_->OnCmdMsg(id, CN_COMMAND, nullptr); }
    // The view's first update with the document as it now stands, and its paint.
    void InitialUpdate() {
        view_->OnInitialUpdate();
        QApplication::processEvents();
    }
    // The views that draw a model (WorldToLogical): a paint now, a pixel at a model point, a click.
    void Redraw() {
        view_->Invalidate();
        view_->UpdateWindow();
    }
    COLORREF Pixel(double x, double y) {
        const CPoint p = view_->WorldToLogical(x, y);
        CClientDC dc(view_);
        view_->OnPrepareDC(&dc);
        return dc.GetPixel(p.x, p.y);
    }
    // A click as the mouse makes it: the pointer arrives, the button goes down and up.
    void Click(double x, double y) {
        view_->UpdateWindow();
        const CPoint p = view_->WorldToLogical(x, y);
        view_->OnMouseMove(0, p);
        view_->OnLButtonDown(0, p);
        view_->OnLButtonUp(0, p);
    }

    Document* document_ = nullptr;
    CFrameWnd* frame_ = nullptr;
    View* view_ = nullptr;

private:
    ViewWindow window_;
    int width_;
    int height_;
};

} // namespace testsupport
