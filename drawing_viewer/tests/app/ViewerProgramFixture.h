#pragma once
// The drawing viewer's application object on the offscreen platform with its own program
// directory, a directory for plot files and a recording sink; the tests write their plot
// files and start it. At the end its main window is closed as the user closes it.

#include "drawing_viewer/app/CMainView.h"
#include "drawing_viewer/app/CZaphoApp.h"

#include "platform/core/RecordingSink.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/DialogScript.h"
#include "testsupport/TempDir.h"
#include "testsupport/ui/TestApplication.h"

#include <QApplication>
#include <QWidget>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace zapho {

class ViewerProgramFixture : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::TestApplication();
        // The program's settings folder lies in its directory: "<program>/verrant/zapho.INI".
        ::setenv("XDG_CONFIG_HOME", program_.Path().c_str(), 1);
        platform::DialogScript::Clear();
        sink_ = std::make_unique<platform::RecordingSink>();
        app_ = std::make_unique<CZaphoApp>();
        app_->SetProgramDirectory(CString(program_.Path().string()), "zapho");
    }
    void TearDown() override {
        if (app_ && app_->m_pMainWnd) {
            app_->m_pMainWnd->GetWidget()->close();
            app_->ExitInstance();
        }
        Events();
        app_.reset();
        sink_.reset();
    }
    static void Events() {
        for (int i = 0; i < 3; ++i) {
            QApplication::processEvents();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    // The view of the first document that has one.
    CMainView* FindView() const {
        for (const auto& docTemplate : app_->Templates()) {
            for (CDocument* doc : docTemplate->Documents()) {
                if (!doc->Views().empty()) {
                    return dynamic_cast<CMainView*>(doc->Views().front());
                }
            }
        }
        return nullptr;
    }

    testsupport::TempDir program_;
    testsupport::TempDir plots_;
    std::string index_;
    std::unique_ptr<platform::RecordingSink> sink_;
    std::unique_ptr<CZaphoApp> app_;
};

} // namespace zapho
