// The main road through the installed suite: the base menu runs on a virtual display as the
// user starts it; the programs it starts are driven in this process (steadier than a second
// display client), one after another, through their menus and dialogs. Each hand-back is read
// from the base menu's slots; each file a program wrote is read by a second reader.
#include "analysis/app/CAnalysisMethodDlg.h"
#include "analysis/app/CBlockView.h"
#include "analysis/app/CDrawingRunDlg.h"
#include "analysis/app/CGridDlg1.h"
#include "analysis/app/CTorvanApp.h"
#include "analysis/app/CTorvanDoc.h"
#include "common/ui/table/CGridCellEdit.h"
#include "drawing_viewer/app/CMainView.h"
#include "drawing_viewer/app/CStringInputDlg.h"
#include "drawing_viewer/app/CZaphoApp.h"
#include "list_viewer/app/CMainListView.h"
#include "list_viewer/app/CWenuxApp.h"
#include "measurement_table/app/CGridDlg1.h"
#include "measurement_table/app/CInputMethodDlg.h"
#include "measurement_table/app/CQuilmoApp.h"
#include "section_editor/app/CBlockView.h"
#include "section_editor/app/CMainFrame.h"
#include "section_editor/app/CMerdokApp.h"
#include "section_editor/app/CMerdokDoc.h"

#include "common/process/BaseMenuExchange.h"
#include "common/process/ChildLauncher.h"
#include "platform/core/CodePage.h"
#include "platform/core/RecordingSink.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"
#include "testsupport/DxfAudit.h"
#include "testsupport/FileBytes.h"
#include "testsupport/TempDir.h"
#include "testsupport/ui/Journey.h"
#include "testsupport/ui/ProgramRun.h"
#include "testsupport/ui/SpinUntil.h"
#include "testsupport/ui/TestApplication.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QPrinterInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using testsupport::ChooseMenu;
using testsupport::ClickModelPoint;

std::string Utf8Of(const CString& cp932) {
    return platform::Cp932ToUtf8(cp932.GetString());
}

CString Cp932Of(const fs::path& path) {
    return CString(platform::Utf8ToCp932(path.string()).c_str());
}

// The base menu's slot as the programs read it; empty when the base menu does not answer.
std::string Slot(int controlId) {
    CString name;
    return process::ReadBaseMenuSlot(controlId, name) == process::BaseMenuExchange::Unchanged ? Utf8Of(name)
                                                                                              : "";
}

fs::path OnlyFile(const fs::path& folder, const std::string& extension) {
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() == extension) {
            return entry.path();
        }
    }
    return {};
}

// A process id written in a name; 0 for none.
pid_t ProcessId(const std::string& text) {
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), pid);
    return error == std::errc() && end == text.data() + text.size() ? pid : 0;
}

// A click on the drawing surface (beside the view's scroll bars) at a paper point.
void ClickPaper(zapho::CMainView& view, int x, int y) {
    const CPoint at = view.PaperToClient(x, y);
    auto* grid = qobject_cast<QGridLayout*>(view.GetWidget()->layout());
    QWidget* surface = grid ? grid->itemAtPosition(0, 0)->widget() : view.GetCanvasWidget();
    testsupport::ClickAt(*surface, at.x, at.y);
    testsupport::Settle();
}

// The running processes of an installed program.
std::vector<pid_t> ProcessesOf(const fs::path& program) {
    std::vector<pid_t> processes;
    for (const auto& entry : fs::directory_iterator("/proc")) {
        const pid_t pid = ProcessId(entry.path().filename().string());
        std::error_code error;
        if (pid > 1 && fs::read_symlink(entry.path() / "exe", error) == program) {
            processes.push_back(pid);
        }
    }
    return processes;
}

// A process's arguments, its program first; empty once it has gone.
std::vector<std::string> CommandLineOf(pid_t pid) {
    const std::string bytes = testsupport::ReadBytes(fs::path("/proc") / std::to_string(pid) / "cmdline");
    std::vector<std::string> arguments;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\0', at), bytes.size());
        arguments.push_back(bytes.substr(at, end - at));
        at = end + 1;
    }
    return arguments;
}

// The processes started by this run: those with its private runtime directory.
std::vector<pid_t> ProcessesOfRuntime(const std::string& runtime) {
    std::vector<pid_t> processes;
    const std::string wanted = "XDG_RUNTIME_DIR=" + runtime;
    for (const auto& entry : fs::directory_iterator("/proc")) {
        const pid_t pid = ProcessId(entry.path().filename().string());
        if (pid <= 1 || pid == ::getpid()) {
            continue;
        }
        const std::string environment = testsupport::ReadBytes(entry.path() / "environ");
        for (std::size_t at = 0; at < environment.size();) {
            const std::size_t end = std::min(environment.find('\0', at), environment.size());
            if (environment.compare(at, end - at, wanted) == 0) {
                processes.push_back(pid);
                break;
            }
            at = end + 1;
        }
    }
    return processes;
}

// The installed suite with its base menu on a virtual display of its own, sharing this
// process's runtime directory (window registry, name buffer, instance mutexes).
class InstalledSuite {
public:
    explicit InstalledSuite(const testsupport::TempDir& work) : dist_(work.Path() / "dist") {
        const fs::path run = work.Path() / "run";
        fs::create_directory(run);
        ::chmod(run.c_str(), 0700);
        ::setenv("XDG_RUNTIME_DIR", run.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (work.Path() / "config").c_str(), 1);
    }
    ~InstalledSuite() { StopBaseMenu(); }

    bool Install() {
        const testsupport::ToolRun install =
            testsupport::RunTool({"cmake", "--install", VERRANT_BUILD_DIR, "--prefix", dist_.string()});
        EXPECT_EQ(install.exitCode, 0) << install.output;
        return install.exitCode == 0 && fs::exists(Bin() / "basnev");
    }
    bool StartBaseMenu() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        menu_.setProcessEnvironment(environment);
        menu_.setWorkingDirectory(QString::fromStdString(Bin().string()));
        menu_.setProcessChannelMode(QProcess::MergedChannels);
        menu_.start(QStringLiteral("xvfb-run"),
                    {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1280x1024x24"),
                     QString::fromStdString((Bin() / "basnev").string())});
        return testsupport::SpinUntil(
            [] {
                CString name;
                return JoinBaseMenuDisplay() && process::ReadBaseMenuSlot(process::kAnalysisSlot, name) !=
                                                    process::BaseMenuExchange::NotRunning;
            },
            60000); // a busy machine starts a display and a program slowly
    }
    // The programs this process runs (offscreen) find those of one display only: they take the
    // virtual display's name that xvfb-run chose once the base menu registered its window there.
    static bool JoinBaseMenuDisplay() {
        const fs::path registry = fs::path(std::getenv("XDG_RUNTIME_DIR")) / "verrant";
        std::error_code error;
        for (const auto& entry : fs::recursive_directory_iterator(registry, error)) {
            const std::string display = entry.path().parent_path().filename().string();
            if (entry.path().filename().string().starts_with("window-VerrantControl-") &&
                display.starts_with("x11-")) {
                ::setenv("DISPLAY", display.substr(4).c_str(), 1);
                ::unsetenv("WAYLAND_DISPLAY");
                return true;
            }
        }
        return false;
    }
    // Ends the base menu as the session's end does, then whatever else of this run is left
    // (its virtual display, a viewer the drawing run started): every process that carries
    // the run's own runtime directory.
    void StopBaseMenu() {
        if (menu_.state() == QProcess::NotRunning) {
            return;
        }
        for (pid_t pid : ProcessesOf(Bin() / "basnev")) {
            ::kill(pid, SIGTERM);
        }
        menu_.waitForFinished(10000);
        for (pid_t pid : ProcessesOfRuntime(std::getenv("XDG_RUNTIME_DIR"))) {
            ::kill(pid, SIGTERM);
        }
        menu_.waitForFinished(5000);
    }
    std::string Output() { return menu_.readAll().toStdString(); }
    fs::path Bin() const { return dist_ / "bin"; }

private:
    fs::path dist_;
    QProcess menu_;
};

class MainRoad : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::RequireTool("xvfb-run", "xvfb");
        testsupport::RequireTool("iconv", "libc-bin");
        testsupport::RequireTool("pdftoppm", "poppler-utils");
        if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
            GTEST_SKIP() << "a printer is installed: the print dialogs would not offer PDF files";
        }
        folder_ = work_.Path() / reinterpret_cast<const char*>(u8"地すべり解析");
        fs::create_directory(folder_);
    }
    void TearDown() override { platform::DialogScript::Clear(); }

    // MERDOK: a new section model, its ground line drawn by mouse and three measurement points,
    // saved through the save dialog into the Japanese-named folder.
    void SectionEditor(InstalledSuite& suite) {
        const fs::path sec = folder_ / reinterpret_cast<const char*>(u8"本線.sec");
        merdok::CMerdokApp app;
        app.SetProgramDirectory(Cp932Of(suite.Bin()), "MERDOK");
        testsupport::ProgramRun run(app);
        ASSERT_TRUE(run.Start());
        CFrameWnd& frame = *run.MainFrame();
        ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"新規作成"}));
        merdok::CBlockView* view = dynamic_cast<merdok::CMainFrame&>(frame).ActiveBlockView();
        ASSERT_NE(view, nullptr);
        auto& model = view->GetDocument()->Model();
        ASSERT_TRUE(ChooseMenu(frame, {u8"描画", u8"連続線"}));
        for (const auto& [x, y] : {std::pair{10.0, 70.0}, {70.0, 50.0}, {130.0, 40.0}, {190.0, 20.0}}) {
            ClickModelPoint(*view, x, y);
        }
        ClickModelPoint(*view, 190.0, 20.0, Qt::RightButton);
        EXPECT_EQ(model.m_LineList.GetCount(), 3) << sink_.LastMessageUtf8();
        ASSERT_TRUE(ChooseMenu(frame, {u8"描画", u8"計測点"}));
        for (const auto& [x, y] : {std::pair{40.0, 62.0}, {100.0, 47.0}, {160.0, 32.0}}) {
            ClickModelPoint(*view, x, y);
        }
        EXPECT_EQ(model.m_mapSite.GetCount(), 3) << sink_.LastMessageUtf8();
        ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"名前を付けて保存..."},
                               testsupport::FileDialogAnswer(sec.string())));
        ASSERT_TRUE(fs::exists(sec)) << sink_.LastMessageUtf8();
        EXPECT_EQ(testsupport::ReadCp932(sec.string()).exitCode, 0);
        EXPECT_TRUE(run.Quit());
        EXPECT_EQ(Slot(process::kSectionModelSlot), sec.string());
    }

    // QUILMO: a new measurement file beside the model, two dated readings of its three points
    // typed into the table, OK.
    void MeasurementTable() {
        const fs::path sec = folder_ / reinterpret_cast<const char*>(u8"本線.sec");
        const fs::path dis = folder_ / reinterpret_cast<const char*>(u8"本線.dis");
        // The new file's name in the base menu's measurement slot, where the table saves (the
        // user types it into the base menu's form before pressing the table's button).
        ASSERT_EQ(process::ReportFileToBaseMenuSlot(process::kMeasurementSlot, Cp932Of(dis)),
                  process::BaseMenuExchange::Replaced);
        platform::DialogScript::Queue([](CDialog& dialog) {
            dialog.CheckDlgButton(quilmo::IDC_METHOD_2D, 1);
            dialog.OnOK();
        });
        bool closed = false;
        platform::DialogScript::Queue([&closed](CDialog& dialog) {
            auto& table = dynamic_cast<quilmo::CGridDlg1&>(dialog);
            TypeRow(table, 1, {"2026", "4", "1", "", "", "0", "0", "0", "0", "0", "0"});
            TypeRow(table, 2, {"2026", "10", "1", "", "", "12.5", "-3.0", "10.0", "-2.0", "8.0", "-1.0"});
            dynamic_cast<QAbstractButton&>(*table.GetDlgItemWidget(IDOK)).click();
            closed = !table.Dialog()->isVisible();
        });
        quilmo::CQuilmoApp app;
        testsupport::ProgramRun run(app);
        run.RunToEnd({"@", Cp932Of(dis), Cp932Of(sec)});
        EXPECT_TRUE(closed) << sink_.LastMessageUtf8();
        ASSERT_TRUE(fs::exists(dis)) << sink_.LastMessageUtf8();
        const testsupport::ToolRun text = testsupport::ReadCp932(dis.string());
        EXPECT_EQ(text.exitCode, 0);
        EXPECT_NE(text.output.find("2026,10,1"), std::string::npos) << text.output;
        EXPECT_NE(text.output.find("12.50"), std::string::npos) << text.output;
    }

    // Clicks the row's first cell and types the cells one after another, Tab between them.
    static void TypeRow(quilmo::CGridDlg1& table, int row, std::initializer_list<const char*> cells) {
        table.ClickCellForTest(row, 1);
        for (const char* cell : cells) {
            QTest::keyClicks(table.CellEdit(), cell);
            QTest::keyClick(table.CellEdit(), Qt::Key_Tab);
        }
    }

    // TORVAN on the three files of the base menu's slots: a polygon method, then the
    // polynomial method on its block lines, saved, then the drawing run.
    void AnalysisProgram(InstalledSuite& suite) {
        const fs::path slo = folder_ / reinterpret_cast<const char*>(u8"本線.slo");
        torvan::CTorvanApp app;
        app.SetProgramDirectory(Cp932Of(suite.Bin()) + "/", "torvan");
        testsupport::ProgramRun run(app);
        ASSERT_TRUE(
            run.Start({"@", Cp932Of(slo), Cp932Of(folder_ / reinterpret_cast<const char*>(u8"本線.sec")),
                       Cp932Of(folder_ / reinterpret_cast<const char*>(u8"本線.dis"))}));
        CFrameWnd& frame = *run.MainFrame();
        auto* view = dynamic_cast<torvan::CBlockView*>(frame.GetActiveFrame()->GetActiveView());
        ASSERT_NE(view, nullptr) << sink_.LastMessageUtf8();
        auto& model = dynamic_cast<torvan::CTorvanDoc&>(*view->GetDocument()).Model();
        ASSERT_EQ(model.GroundPoints().GetCount(), 4) << "the model's ground line";

        // The slide's ends on the ground line, left and right.
        // Each click opens the point's dialog with the place clicked; OK takes it.
        ASSERT_TRUE(ChooseMenu(frame, {u8"描画", u8"左地表境界点"}));
        platform::DialogScript::Queue([](CDialog& dialog) { dialog.OnOK(); });
        ClickModelPoint(*view, 20.0, 70.0 - 10.0 / 3.0);
        ASSERT_TRUE(ChooseMenu(frame, {u8"描画", u8"右地表境界点"}));
        platform::DialogScript::Queue([](CDialog& dialog) { dialog.OnOK(); });
        ClickModelPoint(*view, 180.0, 20.0 + 10.0 / 3.0);
        ASSERT_EQ(model.BoundaryPoints().GetCount(), 2) << sink_.LastMessageUtf8();
        const int before = static_cast<int>(model.SlipLines().GetCount());

        ASSERT_TRUE(ChooseMenu(
            frame, {u8"ﾌｧｲﾙ", u8"解析実行..."},
            MethodAnswer(torvan::CBlockDoc::kParallel, torvan::CAnalysisMethodDlg::kOptionWeighted)));
        EXPECT_EQ(model.SlipLines().GetCount(), before + 1) << sink_.LastMessageUtf8();

        sink_.QueueAnswer(IDYES); // go on with the block lines as they are
        ASSERT_TRUE(
            ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"解析実行..."}, MethodAnswer(torvan::CBlockDoc::kPolynomial, 0)));
        ASSERT_NE(view->BlockLineTable(), nullptr) << sink_.LastMessageUtf8();
        // The table's OK runs the solver.
        dynamic_cast<QAbstractButton&>(*view->BlockLineTable()->GetDlgItemWidget(IDOK)).click();
        testsupport::Settle();
        ASSERT_EQ(view->BlockLineTable(), nullptr);
        EXPECT_EQ(model.SlipLines().GetCount(), before + 2) << sink_.LastMessageUtf8();

        // The section with its slip lines as DXF beside the analysis file, under the name offered.
        ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"DXFﾌｧｲﾙ出力..."}, testsupport::PressOk));
        ASSERT_FALSE(OnlyFile(folder_, ".dxf").empty()) << sink_.LastMessageUtf8();
        EXPECT_TRUE(testsupport::EzdxfAvailable()) << "ezdxf is not installed for /usr/bin/python3 (Debian "
                                                      "package python3-ezdxf; scripts/install-deps.sh)";
        EXPECT_EQ(testsupport::EzdxfAuditProblems(folder_.string()), "");

        ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"上書き保存"}));
        EXPECT_EQ(testsupport::ReadCp932(slo.string()).exitCode, 0);

        ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"作図実行..."}, [](CDialog& dialog) {
            dialog.SetDlgItemText(torvan::CDrawingRunDlg::kTitle1, CString(u8"本線"));
            dialog.RouteCommand(torvan::CDrawingRunDlg::kRunButton);
        }));
        EXPECT_FALSE(OnlyFile(folder_, ".p00").empty()) << sink_.LastMessageUtf8();
        EXPECT_TRUE(run.Quit());
        // The drawing run started the viewer on the index it wrote. That viewer ends at once,
        // unclosed, so the files stay for the viewer driven here with the same arguments.
        pid_t viewer = 0;
        testsupport::SpinUntil(
            [&] {
                const std::vector<pid_t> viewers = ProcessesOf(ZAPHO_PATH);
                viewer = viewers.empty() ? 0 : viewers.front();
                return viewer != 0 && !CommandLineOf(viewer).empty();
            },
            30000);
        ASSERT_NE(viewer, 0) << "the drawing run started no viewer: " << sink_.LastMessageUtf8();
        viewerArguments_ = CommandLineOf(viewer);
        ::kill(viewer, SIGKILL);
        ASSERT_EQ(viewerArguments_.size(), 3U);
        EXPECT_EQ(viewerArguments_[1], kDrawingRunArgument);
        EXPECT_EQ(viewerArguments_[2], OnlyFile(folder_, ".p00").string());

        // The saved analysis file went back to the base menu's analysis slot.
        EXPECT_EQ(Slot(process::kAnalysisSlot), slo.string());
    }

    // ZAPHO shows the drawing of the run and prints it to a PDF file.
    void DrawingViewer(InstalledSuite& suite) {
        zapho::CZaphoApp app;
        app.SetProgramDirectory(Cp932Of(suite.Bin()), "zapho");
        testsupport::ProgramRun run(app);
        const fs::path index = OnlyFile(folder_, ".p00");
        ASSERT_EQ(viewerArguments_.size(), 3U);
        ASSERT_TRUE(run.Start({CString(viewerArguments_[1].c_str()), Cp932Of(viewerArguments_[2])}));
        CFrameWnd& frame = *run.MainFrame();
        auto* view = dynamic_cast<zapho::CMainView*>(frame.GetActiveFrame()->GetActiveView());
        ASSERT_NE(view, nullptr) << sink_.LastMessageUtf8();

        // A text typed into the input dialog lands where the click was.
        ASSERT_TRUE(ChooseMenu(frame, {u8"文字", u8"入力"}));
        platform::DialogScript::Queue([](CDialog& dialog) {
            auto* combo = qobject_cast<QComboBox*>(dialog.GetDlgItemWidget(zapho::CStringInputDlg::kText));
            ASSERT_NE(combo, nullptr);
            combo->setEditText(platform::ToQString(u8"本線の観測"));
            dialog.SetDlgItemText(zapho::CStringInputDlg::kSize, "5.0");
            dialog.OnOK();
        });
        ClickPaper(*view, 1200, 1000);
        bool added = false;
        for (const auto& text : view->PageTexts()) {
            added = added || text->m_text == CString(u8"本線の観測");
        }
        EXPECT_TRUE(added) << sink_.LastMessageUtf8();

        ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"印刷..."}, testsupport::PressOk));
        const fs::path pdf = OnlyFile(folder_, ".pdf");
        ASSERT_FALSE(pdf.empty()) << sink_.LastMessageUtf8();
        EXPECT_TRUE(testsupport::PdfPagePrinted(pdf.string(), 1, 20)) << "the drawing prints blank";
        sink_.QueueAnswer(IDNO); // the added text is not kept as a figure file
        EXPECT_TRUE(run.Quit());
        // The drawing run's files go with the viewer it started.
        EXPECT_FALSE(fs::exists(index));
    }

    // WENUX opens the solver's run log.
    void ListViewer(InstalledSuite& suite) {
        const fs::path log = OnlyFile(folder_, ".log");
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(testsupport::ReadCp932(log.string()).exitCode, 0);
        wenux::CWenuxApp app;
        app.SetProgramDirectory(Cp932Of(suite.Bin()), "wenux");
        testsupport::ProgramRun run(app);
        ASSERT_TRUE(run.Start());
        CFrameWnd& frame = *run.MainFrame();
        ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"開く..."}, testsupport::FileDialogAnswer(log.string())));
        auto* view = dynamic_cast<wenux::CMainListView*>(frame.GetActiveFrame()->GetActiveView());
        ASSERT_NE(view, nullptr) << sink_.LastMessageUtf8();
        EXPECT_GT(view->Index().LineCount(), 10);
        EXPECT_TRUE(run.Quit());
    }

    // The analysis command's method dialog answered with a method (and an option ticked).
    static platform::DialogScript::Answer MethodAnswer(int method, int option) {
        return [method, option](CDialog& dialog) {
            dialog.CheckDlgButton(torvan::CAnalysisMethodDlg::kMethodFirst + method, 1);
            dialog.RouteCommand(torvan::CAnalysisMethodDlg::kMethodFirst + method);
            if (option) {
                dialog.CheckDlgButton(option, 1);
            }
            dialog.OnOK();
        };
    }

    testsupport::TempDir work_;
    fs::path folder_;
    std::vector<std::string> viewerArguments_; // as the drawing run started the viewer
    platform::RecordingSink sink_;
};

TEST_F(MainRoad, FromTheBaseMenuThroughAnalysisDrawingAndLog) {
    InstalledSuite suite(work_);
    // A dialog nobody answers would hold the run for ever and leave the base menu behind.
    testsupport::TestApplication();
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&suite] {
        std::fprintf(stderr, "the journey waits on a window nobody answers: ended\n");
        suite.StopBaseMenu();
        std::_Exit(1);
    });
    watchdog.start(240000);
    ASSERT_TRUE(suite.Install());
    ASSERT_TRUE(suite.StartBaseMenu()) << suite.Output();
    ASSERT_NO_FATAL_FAILURE(SectionEditor(suite));
    ASSERT_NO_FATAL_FAILURE(MeasurementTable());
    ASSERT_NO_FATAL_FAILURE(AnalysisProgram(suite));
    ASSERT_NO_FATAL_FAILURE(DrawingViewer(suite));
    ASSERT_NO_FATAL_FAILURE(ListViewer(suite));
    suite.StopBaseMenu();
}

} // namespace
