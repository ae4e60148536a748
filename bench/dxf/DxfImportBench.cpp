// Import speed of the DXF reader on a drawing with many candidate points on the chosen
// layers, against ezdxf's readfile of the same file measured in the same run.
//
// The drawing: polylines of 50 vertices on layer "1" and single lines on layer "0" (the
// chosen layers), half of the candidate points each, all points distinct, plus polylines
// on a layer that is not chosen. Counters: "points", "lines", and, when /usr/bin/python3
// has ezdxf, "ezdxf_readfile_s" and "times_faster_than_ezdxf" (the ratio of ezdxf's
// readfile time to the mean import time).

#include "DxfSampleDrawing.h"
#include "DxfTestFiles.h"
#include "RecordingDocument.h"

#include "common/dxf/CDxfReader.h"
#include "common/dxf/CDxfWriter.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/RecordingSink.h"

#include <benchmark/benchmark.h>
#include <cmath>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kVerticesPerPolyline = 50;
constexpr int kSkippedPolylines = 200;

// Scattered, distinct coordinates: point i of the drawing on a 0.37-unit lattice,
// shuffled by a multiplicative hash so that neighbours in the file are far apart.
void PointAt(int i, double& x, double& y) {
    unsigned int h = static_cast<unsigned int>(i) * 2654435761U;
    x = (h % 1000U) * 0.37 + (i % 7) * 0.05;
    y = std::floor(i / 1000.0) * 0.37 + ((h >> 10) % 13) * 0.011;
}

void WriteEntities(CDxfWriter& writer, int candidatePoints) {
    int next = 0;
    std::vector<double> xs(kVerticesPerPolyline);
    std::vector<double> ys(kVerticesPerPolyline);
    writer.SetLayerName("1");
    for (int polyline = 0; polyline < candidatePoints / 2 / kVerticesPerPolyline; ++polyline) {
        for (int v = 0; v < kVerticesPerPolyline; ++v) {
            PointAt(next++, xs[v], ys[v]);
        }
        writer.WritePolyline(xs.data(), ys.data(), kVerticesPerPolyline, 1, 0, 3);
    }
    for (int line = 0; line < candidatePoints / 4; ++line) {
        double x1, y1, x2, y2;
        PointAt(next++, x1, y1);
        PointAt(next++, x2, y2);
        writer.WriteLineXY(x1, y1, x2, y2, 1, 0, 5);
    }
    writer.SetLayerName("OTHER");
    for (int polyline = 0; polyline < kSkippedPolylines; ++polyline) {
        for (int v = 0; v < kVerticesPerPolyline; ++v) {
            PointAt(polyline * kVerticesPerPolyline + v, xs[v], ys[v]);
        }
        writer.WritePolyline(xs.data(), ys.data(), kVerticesPerPolyline, 1, 0, 1);
    }
}

// The drawing with this many candidate points, written once per process.
const std::string& Drawing(int candidatePoints) {
    static std::map<int, std::string> paths;
    auto found = paths.find(candidatePoints);
    if (found != paths.end()) {
        return found->second;
    }
    std::string path = dxftest::OutputPath("points-" + std::to_string(candidatePoints) + ".dxf");
    dxftest::WriteDxfFile(path, dxftest::DxfFileShape{0, 0.0, 0.0, 400.0, 400.0},
                          [&](CDxfWriter& writer) { WriteEntities(writer, candidatePoints); });
    return paths.emplace(candidatePoints, path).first->second;
}

// Seconds that ezdxf's readfile takes on the file (the interpreter's start and the
// import of ezdxf not counted), or a negative value when it cannot be measured.
double EzdxfReadfileSeconds(const std::string& path) {
    std::string command = "/usr/bin/python3 -c 'import sys, time, ezdxf; t = time.perf_counter(); "
                          "ezdxf.readfile(sys.argv[1]); print(time.perf_counter() - t)' '" +
                          path + "' 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        return -1.0;
    }
    char buffer[128] = {};
    bool read = std::fgets(buffer, sizeof buffer, pipe) != nullptr;
    int status = ::pclose(pipe);
    double seconds = -1.0;
    if (!read || status != 0 || !platform::ScanDouble(buffer, seconds)) {
        return -1.0;
    }
    return seconds;
}

void ImportOnce(const std::string& path, benchmark::State& state) {
    dxftest::RecordingDocument document;
    document.settings.samePointDistance = 0.001;
    document.settings.layerLists[0] = {CString("1")};
    document.settings.layerLists[1] = {CString("0")};
    CDxfReader reader(document);
    if (reader.ImportDxf(path.c_str()) != 1) {
        state.SkipWithError("the import failed");
    }
    state.counters["points"] = document.GetPointCount();
    state.counters["lines"] = document.GetLineCount();
}

void BM_ImportCandidatePoints(benchmark::State& state) {
    platform::RecordingSink sink;
    const int candidatePoints = static_cast<int>(state.range(0));
    const std::string& path = Drawing(candidatePoints);
    auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        ImportOnce(path, state);
    }
    double importSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
                           static_cast<double>(state.iterations());
    if (state.range(1) != 0) {
        // Measured once: the benchmark body runs several times while it picks the iteration count.
        static const double ezdxfSeconds = EzdxfReadfileSeconds(path);
        if (ezdxfSeconds > 0.0) {
            state.counters["ezdxf_readfile_s"] = ezdxfSeconds;
            state.counters["times_faster_than_ezdxf"] = ezdxfSeconds / importSeconds;
        } else {
            state.SetLabel("ezdxf not measured (/usr/bin/python3 without ezdxf?)");
        }
    }
}

// Second argument: 1 measures ezdxf on the same file.
BENCHMARK(BM_ImportCandidatePoints)
    ->Args({25000, 0})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
