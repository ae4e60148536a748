#include "testsupport/ui/ViewWindow.h"

#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CView.h"

#include <QApplication>
#include <QWidget>

namespace testsupport {

ViewWindow::~ViewWindow() {
    Close();
}

bool ViewWindow::Open(const char* title, CDocument* document, const CRuntimeClass* viewClass, int width,
                      int height) {
    Close();
    frame_ = new CFrameWnd;
    frame_->m_bAutoDelete = FALSE;
    if (!frame_->Create(title) || !frame_->LoadFrame(document, viewClass, nullptr) || View() == nullptr) {
        return false;
    }
    frame_->GetWidget()->resize(width, height);
    frame_->ShowWindow(SW_SHOW);
    QApplication::processEvents();
    return true;
}

void ViewWindow::Close() {
    if (frame_ == nullptr) {
        return;
    }
    delete frame_->GetWidget();
    delete frame_;
    frame_ = nullptr;
}

CView* ViewWindow::View() const {
    return frame_ != nullptr ? frame_->GetActiveView() : nullptr;
}

} // namespace testsupport
