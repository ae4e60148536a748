#include "AppFixture.h"

#include "common/process/BaseMenuExchange.h"
#include "platform/core/CodePage.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CView.h"
#include "platform/ui/QtText.h"
#include "testsupport/ui/TestApplication.h"

#include <QApplication>
#include <QWidget>
#include <filesystem>

namespace torvan_test {

torvan::CTorvanApp& TheApp() {
    testsupport::TestApplication();
    static torvan::CTorvanApp app;
    return app;
}

void TorvanAppTest::SetUp() {
    ::setenv("XDG_RUNTIME_DIR", runtime_.Path().c_str(), 1);
    TheApp();
    // The program's settings folder lies in its directory: "<program>/verrant/torvan.INI".
    ::setenv("XDG_CONFIG_HOME", program_.Path().c_str(), 1);
    sink_ = std::make_unique<platform::RecordingSink>();
    for (const char* name : {"sample.sec", "sample.dis", "sample.slo"}) {
        std::filesystem::copy_file(std::filesystem::path(VERRANT_SOURCE_DIR) / "data" / name,
                                   data_.Path() / name);
    }
    TheApp().SetProgramDirectory(CString(platform::Utf8ToCp932(program_.Slash()).c_str()), "torvan");
}

void TorvanAppTest::TearDown() {
    if (!closed_) {
        Close();
    }
    baseMenu_.reset();
    baseMenuMutex_.Release();
    sink_.reset();
}

void TorvanAppTest::StartBaseMenu(const std::string& analysisSlot) {
    baseMenu_ = std::make_unique<process_test::FakeBaseMenu>();
    ASSERT_TRUE(baseMenu_->Start());
    baseMenu_->SetSlot(process::kAnalysisSlot, CString(platform::Utf8ToCp932(analysisSlot).c_str()));
    ASSERT_EQ(baseMenuMutex_.Create("Verrant BASNEV 01"), CNamedMutex::CreateResult::Created);
}

bool TorvanAppTest::Start(const std::vector<std::string>& args) {
    TheApp().m_args.clear();
    for (const std::string& arg : args) {
        TheApp().m_args.emplace_back(platform::Utf8ToCp932(arg));
    }
    const bool started = TheApp().InitInstance() != FALSE;
    closed_ = false;
    return started;
}

int TorvanAppTest::Close() {
    closed_ = true;
    if (CWnd* frame = TheApp().m_pMainWnd) {
        frame->GetWidget()->close();
    }
    SpinUntil([] { return TheApp().m_pMainWnd == nullptr; });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return TheApp().ExitInstance();
}

bool TorvanAppTest::StartWithBaseMenu(const std::vector<std::string>& args, const std::string& analysisSlot) {
    StartBaseMenu(analysisSlot);
    return !HasFatalFailure() && Start(args);
}

std::vector<std::string> TorvanAppTest::SampleArguments() const {
    return {DataFile("sample.slo"), DataFile("sample.sec"), DataFile("sample.dis")};
}

torvan::CMainFrame* TorvanAppTest::Frame() const {
    return dynamic_cast<torvan::CMainFrame*>(TheApp().m_pMainWnd);
}

std::vector<torvan::CTorvanDoc*> TorvanAppTest::Documents() const {
    std::vector<torvan::CTorvanDoc*> documents;
    for (const auto& docTemplate : TheApp().Templates()) {
        for (CDocument* document : docTemplate->Documents()) {
            if (auto* analysis = dynamic_cast<torvan::CTorvanDoc*>(document)) {
                documents.push_back(analysis);
            }
        }
    }
    return documents;
}

torvan::CChildFrame* TorvanAppTest::ChildOf(torvan::CTorvanDoc* document) const {
    return document->Views().empty()
               ? nullptr
               : dynamic_cast<torvan::CChildFrame*>(document->Views().front()->GetParentFrame());
}

std::string TorvanAppTest::CaptionOf(torvan::CTorvanDoc* document) const {
    torvan::CChildFrame* child = ChildOf(document);
    return child ? child->GetWidget()->windowTitle().toStdString() : std::string("<no frame>");
}

std::string TorvanAppTest::MainTitle() const {
    return Frame() ? Frame()->GetWidget()->windowTitle().toStdString() : std::string("<no frame>");
}

std::string TorvanAppTest::SlotUtf8(int id) {
    return baseMenu_ ? platform::Cp932ToUtf8(baseMenu_->Slot(id).str()) : std::string();
}

} // namespace torvan_test
