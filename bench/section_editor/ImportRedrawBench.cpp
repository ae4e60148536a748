// A 50 MB drawing through the section editor: the DXF import into its model (100,000
// candidate points on the ground layer, joined polylines that make one ground line, and
// lines on a layer that is not chosen filling the file), then full redraws of the imported
// model in the editor's view at 1920 x 1080 with the default display settings.
//
// Counters of the import: "points", "lines", "file_mb", and, when the dump tool is built,
// "dump_s" (one run of dxf-import-dump on the same file, start to exit) and "times_dump"
// (the import's time over that; at most 2 is the goal), and "reader_s" (the shared reader
// into the small recording document of the DXF tests, which is what the dump tool runs).
// The redraw benchmark's "first_ms" is the first redraw after the import and the fit.

#include "section_editor/app/CBlockView.h"
#include "section_editor/app/CMerdokDoc.h"

#include "DxfSampleDrawing.h"
#include "RecordingDocument.h"
#include "bench/support/QuietRun.h"
#include "common/dxf/CDxfReader.h"
#include "common/dxf/CDxfWriter.h"
#include "platform/core/RecordingSink.h"
#include "platform/core/Unset.h"
#include "section_editor/core/CBlockDoc.h"
#include "section_editor/core/CDxfImport.h"
#include "testsupport/ui/OffscreenApplication.h"
#include "testsupport/ui/ViewWindow.h"

#include <QWidget>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kVerticesPerPolyline = 50;
constexpr int kCandidatePoints = 100000;
constexpr int kFillerLines = 440000;
constexpr const char* kGroundLayer = "GROUND";
constexpr double kSamePointDistance = 0.001;

std::string BenchPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() /
            ("merdok_import_bench_" + std::to_string(::getpid()) + name))
        .string();
}

// A made-up slope 10 km long, 0.1 m between candidate points.
void GroundAt(int i, double& x, double& y) {
    x = i * 0.1;
    y = 500.0 - 0.02 * x + 8.0 * std::sin(x / 40.0) + 0.3 * std::sin(x * 1.7);
}

// Polylines of 50 vertices, each starting at the previous one's last vertex, so the import
// joins them into one ground line; every vertex is a candidate point.
void WriteGround(CDxfWriter& writer) {
    writer.SetLayerName(kGroundLayer);
    std::vector<double> xs(kVerticesPerPolyline);
    std::vector<double> ys(kVerticesPerPolyline);
    const int step = kVerticesPerPolyline - 1;
    for (int first = 0; first < kCandidatePoints / kVerticesPerPolyline * step; first += step) {
        for (int v = 0; v < kVerticesPerPolyline; ++v) {
            GroundAt(first + v, xs[v], ys[v]);
        }
        writer.WritePolyline(xs.data(), ys.data(), kVerticesPerPolyline, 1, 0, 3);
    }
}

// Hatching-like strokes under the ground on layer "0", which the import does not read.
void WriteFiller(CDxfWriter& writer) {
    for (int i = 0; i < kFillerLines; ++i) {
        const double x = (i % 98000) * 0.1;
        const int row = i / 98000;
        const double y = 400.0 - row * 5.0;
        writer.WriteLineXY(x, y, x + 0.5, y - 0.5, 1, 0, 8);
    }
}

// The drawing, written once per process.
const std::string& Drawing() {
    static const std::string path = [] {
        std::string name = BenchPath(".dxf");
        dxftest::WriteDxfFile(name, dxftest::DxfFileShape{0, 0.0, 0.0, 10000.0, 600.0},
                              [](CDxfWriter& writer) {
                                  WriteGround(writer);
                                  WriteFiller(writer);
                              });
        return name;
    }();
    return path;
}

// The import dialog's settings: the ground layer alone, no region, a fresh model.
void TakeImportSettings(merdok::CBlockDoc& model) {
    model.m_strDxfFile = CString(Drawing().c_str());
    model.m_listDxfLayers[0] = {CString(kGroundLayer)};
    model.m_listDxfLayers[1].clear();
    model.m_listDxfLayers[2].clear();
    model.m_dDxfFactorX = 1.0;
    model.m_dDxfFactorY = 1.0;
    model.m_dDxfSnap = kSamePointDistance;
    for (int i = 0; i < 4; ++i) {
        model.m_dDxfRegion[i] = i % 2 == 0 ? -platform::kExtentLimit : platform::kExtentLimit;
    }
    model.m_nDxfNewRead = 1;
}

void SetLargeLimits() {
    for (int& limit : merdok::ProgramViewSettings().countLimit) {
        limit = 2 * kCandidatePoints;
    }
}

bool Import(merdok::CBlockDoc& model) {
    for (int& limit : model.m_nLimit) {
        limit = 2 * kCandidatePoints;
    }
    TakeImportSettings(model);
    return merdok::CDxfImport(model).Run(nullptr) == merdok::CDxfImport::Result::kImported;
}

#ifdef DXF_IMPORT_DUMP
double Seconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// One run of the dump tool on the drawing, its output thrown away; negative on failure.
double DumpSeconds() {
    const std::string settings = BenchPath(".json");
    std::ofstream(settings) << R"({"layer_lists": [[")" << kGroundLayer
                            << R"("], [], []], "same_point_distance": )" << kSamePointDistance << "}\n";
    const auto start = std::chrono::steady_clock::now();
    const bool ran = benchsupport::RunQuietly(DXF_IMPORT_DUMP, {Drawing(), settings});
    const double seconds = Seconds(start);
    std::filesystem::remove(settings);
    return ran ? seconds : -1.0;
}

double ReaderSeconds() {
    dxftest::RecordingDocument document;
    document.settings.samePointDistance = kSamePointDistance;
    document.settings.layerLists[0] = {CString(kGroundLayer)};
    const auto start = std::chrono::steady_clock::now();
    CDxfReader reader(document);
    const bool read = reader.ImportDxf(Drawing().c_str()) == 1;
    return read ? Seconds(start) : -1.0;
}
#endif

void BM_ImportFiftyMegabytes(benchmark::State& state) {
    platform::RecordingSink sink;
    Drawing();
    int points = 0;
    int lines = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        merdok::CBlockDoc model;
        if (!Import(model)) {
            state.SkipWithError("the import failed");
            return;
        }
        points = model.m_mapNode.GetCount();
        lines = model.m_LineList.GetCount();
    }
    const double importSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
        static_cast<double>(state.iterations());
    state.counters["points"] = points;
    state.counters["lines"] = lines;
    state.counters["file_mb"] = static_cast<double>(std::filesystem::file_size(Drawing())) / 1e6;
#ifdef DXF_IMPORT_DUMP
    // Measured once: the body runs several times while the iteration count is picked.
    static const double dumpSeconds = DumpSeconds();
    static const double readerSeconds = ReaderSeconds();
    state.counters["dump_s"] = dumpSeconds;
    state.counters["reader_s"] = readerSeconds;
    if (dumpSeconds > 0.0) {
        state.counters["times_dump"] = importSeconds / dumpSeconds;
    }
#else
    state.SetLabel("dxf-import-dump not built");
#endif
}
BENCHMARK(BM_ImportFiftyMegabytes)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

using merdok::CBlockView;

void BM_RedrawAfterImport(benchmark::State& state) {
    testsupport::OffscreenApplication("merdok_import_bench");
    platform::RecordingSink sink;
    merdok::ProgramViewSettings() = merdok::DefaultViewSettings(CString());
    merdok::ProgramViewSettings().display.numbers[merdok::kNumberNode].draw =
        static_cast<int>(state.range(0));
    SetLargeLimits();
    auto document = std::make_unique<merdok::CMerdokDoc>();
    document->m_bAutoDelete = FALSE;
    testsupport::ViewWindow window;
    if (!window.Open("MERDOK", document.get(), RUNTIME_CLASS(CBlockView), 1920, 1080)) {
        state.SkipWithError("the view could not be made");
        return;
    }
    auto* view = static_cast<merdok::CBlockView*>(window.View());
    if (!Import(document->Model())) {
        state.SkipWithError("the import failed");
        return;
    }
    const auto start = std::chrono::steady_clock::now();
    view->OnInitialUpdate();
    view->Invalidate();
    view->UpdateWindow();
    state.counters["first_ms"] =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    for (auto _ : state) {
        view->Invalidate();
        view->UpdateWindow();
    }
    state.counters["points"] = document->Model().m_mapNode.GetCount();
    state.counters["width"] = view->GetWidget()->width();
    state.counters["height"] = view->GetWidget()->height();
}
// Argument 1: the default display, every ground point numbered; 0: without those numbers.
BENCHMARK(BM_RedrawAfterImport)->ArgName("numbers")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The drawing goes with the process.
struct RemoveDrawing {
    ~RemoveDrawing() { std::filesystem::remove(BenchPath(".dxf")); }
} removeDrawing;

} // namespace
