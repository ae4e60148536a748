// A DXF import and save of a long ground line as a user meets it, start to exit of the
// section editor's test-support program: one polyline of 99,000 vertices on the ground
// layer imported into an empty model, which is then saved. Against it, the least such a run
// has to do: a plain read of the DXF file and a synced write of as many bytes as the saved
// model holds. Goal: the import and save within 4 times the plain read and synced write.

#include "DxfSampleDrawing.h"
#include "common/dxf/CDxfWriter.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kVertices = 99000;

// The bench's own directory under $TMPDIR with the drawing and the import settings, made
// once per process and removed at its end.
class BenchFiles {
public:
    BenchFiles()
        : dir_(std::filesystem::temp_directory_path() /
               ("merdok_import_save_bench_" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(dir_);
        std::vector<double> xs(kVertices);
        std::vector<double> ys(kVertices);
        for (int i = 0; i < kVertices; ++i) {
            xs[i] = i * 0.1;
            ys[i] = 500.0 - 0.02 * xs[i] + 8.0 * std::sin(xs[i] / 40.0) + 0.3 * std::sin(xs[i] * 1.7);
        }
        dxftest::WriteDxfFile(Drawing(), dxftest::DxfFileShape{0, 0.0, 0.0, 10000.0, 600.0},
                              [&](CDxfWriter& writer) {
                                  writer.SetLayerName("GROUND");
                                  writer.WritePolyline(xs.data(), ys.data(), kVertices, 1, 0, 3);
                              });
        std::ofstream(Settings()) << R"({"layer_lists": [["GROUND"], [], []], "same_point_distance": 0.001})"
                                  << "\n";
    }
    ~BenchFiles() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    BenchFiles(const BenchFiles&) = delete;
    BenchFiles& operator=(const BenchFiles&) = delete;

    std::string Drawing() const { return (dir_ / "ground.dxf").string(); }
    std::string Settings() const { return (dir_ / "settings.json").string(); }
    std::string Model() const { return (dir_ / "ground.sec").string(); }
    std::string Copy() const { return (dir_ / "copy.sec").string(); }

private:
    std::filesystem::path dir_;
};

const BenchFiles& Files() {
    static const BenchFiles files;
    return files;
}

// One run of the program; false when it failed.
bool ImportAndSave() {
    const std::string command = std::string(SECTION_IMPORT_DXF) + " '" + Files().Drawing() + "' '" +
                                Files().Settings() + "' '" + Files().Model() + "' >/dev/null";
    return std::system(command.c_str()) == 0;
}

void BM_ImportAndSaveLongGroundLine(benchmark::State& state) {
    for (auto _ : state) {
        if (!ImportAndSave()) {
            state.SkipWithError("section-import-dxf failed");
            return;
        }
    }
    state.counters["model_mb"] = static_cast<double>(std::filesystem::file_size(Files().Model())) / 1e6;
}
BENCHMARK(BM_ImportAndSaveLongGroundLine)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PlainReadAndSyncedWrite(benchmark::State& state) {
    if (!std::filesystem::exists(Files().Model()) && !ImportAndSave()) {
        state.SkipWithError("section-import-dxf failed");
        return;
    }
    const std::vector<char> model(std::filesystem::file_size(Files().Model()), 'x');
    std::vector<char> buffer(1 << 16);
    for (auto _ : state) {
        std::FILE* in = std::fopen(Files().Drawing().c_str(), "rb");
        std::size_t read = 0;
        while (const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), in)) {
            read += got;
        }
        std::fclose(in);
        benchmark::DoNotOptimize(read);
        const int out = ::open(Files().Copy().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        const bool written = out >= 0 &&
                             ::write(out, model.data(), model.size()) == static_cast<ssize_t>(model.size()) &&
                             ::fsync(out) == 0;
        if (out >= 0) {
            ::close(out);
        }
        if (!written) {
            state.SkipWithError("the synced write failed");
            return;
        }
    }
}
BENCHMARK(BM_PlainReadAndSyncedWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
