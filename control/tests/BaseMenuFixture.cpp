#include "BaseMenuFixture.h"

#include "platform/core/CodePage.h"
#include "platform/core/ProfileFile.h"
#include "platform/ui/CDocument.h"

#include "testsupport/ui/TestApplication.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <cstdlib>

namespace basnev_test {

namespace {

std::string Cp932(const std::string& utf8) {
    return platform::Utf8ToCp932(utf8);
}

} // namespace

basnev::CBasnevApp& TheApp() {
    testsupport::TestApplication();
    static basnev::CBasnevApp app;
    return app;
}

ChildResult RunWhileServing(const QString& program, const QStringList& arguments, int timeoutMs,
                            const QProcessEnvironment& environment) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.setProcessEnvironment(environment);
    child.start(program, arguments);
    ChildResult result;
    if (!child.waitForStarted(5000)) {
        return result;
    }
    result.finished = SpinUntil([&child] { return child.state() == QProcess::NotRunning; }, timeoutMs);
    if (!result.finished) {
        child.kill();
        child.waitForFinished(5000);
        return result;
    }
    result.exitCode = child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
    return result;
}

QString ProcessTestChild() {
    return QStringLiteral(BASNEV_PROCESS_TEST_CHILD);
}
QString BaseMenuProgram() {
    return QStringLiteral(BASNEV_PROGRAM);
}

void BaseMenuTest::SetUp() {
    ::setenv("XDG_RUNTIME_DIR", runtime_.Path().c_str(), 1);
    TheApp();
    // A base menu started by the test keeps its settings in "<data>/verrant/basnev.INI".
    ::setenv("XDG_CONFIG_HOME", data_.Path().c_str(), 1);
    sink_ = std::make_unique<platform::RecordingSink>();
    TheApp().SetProfilePath(CString(Cp932(data_.File("BASNEV.INI")).c_str()));
}

void BaseMenuTest::TearDown() {
    CloseBaseMenu();
    sink_.reset();
}

void BaseMenuTest::WriteSettings(const std::string& plan, const std::string& section,
                                 const std::string& measurement, const std::string& analysis) const {
    data_.Write("BASNEV.INI", Cp932("[Input File]\r\nFileName1=" + plan + "\r\nFileName2=" + section +
                                    "\r\nFileName3=" + measurement + "\r\nFileName4=" + analysis + "\r\n"));
}

std::string BaseMenuTest::SettingUtf8(const char* key) const {
    platform::ProfileFile profile(TheApp().GetProfilePath());
    return platform::Cp932ToUtf8(profile.GetString("Input File", key, "<missing>").str());
}

void BaseMenuTest::OpenBaseMenu() {
    TheApp().LoadInputFileNames();
    ASSERT_TRUE(TheApp().OpenMainWindow());
    ASSERT_NE(Form(), nullptr);
}

void BaseMenuTest::CloseBaseMenu() {
    if (IsBaseMenuOpen()) {
        TheApp().CloseAllDocuments(FALSE);
    }
    SpinUntil([this] { return !IsBaseMenuOpen(); }, 5000);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool BaseMenuTest::IsBaseMenuOpen() const {
    return TheApp().m_pMainWnd != nullptr;
}

basnev::CMainFrame* BaseMenuTest::Frame() const {
    return dynamic_cast<basnev::CMainFrame*>(TheApp().m_pMainWnd);
}

basnev::CMainView1* BaseMenuTest::Form() const {
    basnev::CMainFrame* frame = Frame();
    return frame ? dynamic_cast<basnev::CMainView1*>(frame->GetActiveView()) : nullptr;
}

QLineEdit* BaseMenuTest::Slot(int id) const {
    return qobject_cast<QLineEdit*>(Form()->GetDlgItemWidget(id));
}

QPushButton* BaseMenuTest::Button(int id) const {
    return qobject_cast<QPushButton*>(Form()->GetDlgItemWidget(id));
}

std::string BaseMenuTest::SlotUtf8(int id) const {
    return Slot(id)->text().toStdString();
}

void BaseMenuTest::SetSlotUtf8(int id, const std::string& text) const {
    ASSERT_TRUE(Form()->SetSlotText(id, CString(Cp932(text))));
}

CString BaseMenuTest::DataPath(const std::string& name) const {
    return CString(Cp932(data_.File(name)).c_str());
}

} // namespace basnev_test
