// From the analysis program's start-up to its first painted frame on the sample data, on
// the offscreen platform, beside a stand-in base menu (its window class and mutex held in
// this process): the application's start-up opens the sample's three files, builds the
// frames, bars and the view, and the whole main window is rendered once. Goal: under 300 ms
// (about 60 ms wall and 11 ms processor time on an 8-core Xeon, RelWithDebInfo).

#include "analysis/app/CTorvanApp.h"

#include "common/process/CNamedMutex.h"
#include "common/process/WindowClassServer.h"
#include "platform/core/RecordingSink.h"
#include "platform/ui/CWnd.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

class StandInBaseMenu : public process::WindowTextProvider {
public:
    bool BringToFront() override { return true; }
    bool GetControlText(int, CString&) override { return false; }
    bool SetControlText(int, const CString&) override { return false; }
};

QApplication& Application() {
    static int argc = 1;
    static char name[] = "analysis_start_bench";
    static char* argv[] = {name, nullptr};
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication app(argc, argv);
    return app;
}

torvan::CTorvanApp& TheApp() {
    Application();
    static torvan::CTorvanApp app;
    return app;
}

void CloseProgram() {
    if (CWnd* frame = TheApp().m_pMainWnd) {
        frame->GetWidget()->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    TheApp().ExitInstance();
}

void BM_StartToFirstPaintedFrame(benchmark::State& state) {
    const fs::path work = fs::temp_directory_path() / ("torvan-start-bench-" + std::to_string(::getpid()));
    fs::create_directories(work / "run");
    fs::permissions(work / "run", fs::perms::owner_all);
    fs::create_directories(work / "program");
    for (const char* name : {"sample.sec", "sample.dis", "sample.slo"}) {
        fs::copy_file(fs::path(VERRANT_SOURCE_DIR) / "data" / name, work / name,
                      fs::copy_options::overwrite_existing);
    }
    ::setenv("XDG_RUNTIME_DIR", (work / "run").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (work / "program").c_str(), 1);
    platform::RecordingSink sink;
    StandInBaseMenu provider;
    process::WindowClassServer server(provider);
    CNamedMutex baseMenu;
    if (!server.Register("VerrantControl") ||
        baseMenu.Create("Verrant BASNEV 01") != CNamedMutex::CreateResult::Created) {
        state.SkipWithError("no stand-in base menu");
        return;
    }
    TheApp().SetProgramDirectory((work / "program").c_str(), "torvan");
    for (auto _ : state) {
        TheApp().m_args = {CString((work / "sample.slo").c_str()), CString((work / "sample.sec").c_str()),
                           CString((work / "sample.dis").c_str())};
        if (!TheApp().InitInstance()) {
            state.SkipWithError("the program did not start");
            break;
        }
        QPixmap frame = TheApp().m_pMainWnd->GetWidget()->grab();
        benchmark::DoNotOptimize(frame);
        state.PauseTiming();
        CloseProgram();
        state.ResumeTiming();
    }
    fs::remove_all(work);
}

BENCHMARK(BM_StartToFirstPaintedFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
