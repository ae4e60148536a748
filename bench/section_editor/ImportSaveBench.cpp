// A DXF import and save of a long ground line as a user meets it, start to exit of the
// section editor's test-support program: one polyline of 99,000 vertices on the ground
// layer imported into an empty model, which is then saved. Against it, the least such a run
// has to do: a plain read of the DXF file and a synced write of as many bytes as the saved
// model holds. Goal: the import and save within 10 times the plain read and synced write. The
// bare parse and write beside them shows what the least of that work costs on the machine.

#include "DxfSampleDrawing.h"
#include "bench/support/QuietRun.h"
#include "common/dxf/CDxfWriter.h"

#include <benchmark/benchmark.h>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
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
    return benchsupport::RunQuietly(SECTION_IMPORT_DXF,
                                    {Files().Drawing(), Files().Settings(), Files().Model()});
}

void BM_ImportAndSaveLongGroundLine(benchmark::State& state) {
    Files(); // the drawing is made before the clock runs, not in the first timed run
    for (auto _ : state) {
        if (!ImportAndSave()) {
            state.SkipWithError("section-import-dxf failed");
            return;
        }
    }
    state.counters["model_mb"] = static_cast<double>(std::filesystem::file_size(Files().Model())) / 1e6;
}
// A program's run, and a synced write, vary with the machine by a tenth or more: half a
// second of runs at least on both sides, whatever the minimum time asked.
BENCHMARK(BM_ImportAndSaveLongGroundLine)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(0.5);

// The whole file through one 64 KiB buffer, as the plain read does; appended to text when given.
std::size_t ReadPlainly(const std::string& path, std::string* text = nullptr) {
    std::vector<char> buffer(1 << 16);
    std::FILE* in = std::fopen(path.c_str(), "rb");
    std::size_t read = 0;
    while (const std::size_t got = in ? std::fread(buffer.data(), 1, buffer.size(), in) : 0) {
        read += got;
        if (text) {
            text->append(buffer.data(), got);
        }
    }
    if (in) {
        std::fclose(in);
    }
    return read;
}

bool WriteSynced(const std::string& path, const char* bytes, std::size_t size) {
    const int out = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const bool written =
        out >= 0 && ::write(out, bytes, size) == static_cast<ssize_t>(size) && ::fsync(out) == 0;
    if (out >= 0) {
        ::close(out);
    }
    return written;
}

void BM_PlainReadAndSyncedWrite(benchmark::State& state) {
    if (!std::filesystem::exists(Files().Model()) && !ImportAndSave()) {
        state.SkipWithError("section-import-dxf failed");
        return;
    }
    const std::vector<char> model(std::filesystem::file_size(Files().Model()), 'x');
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadPlainly(Files().Drawing()));
        if (!WriteSynced(Files().Copy(), model.data(), model.size())) {
            state.SkipWithError("the synced write failed");
            return;
        }
    }
}
BENCHMARK(BM_PlainReadAndSyncedWrite)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(0.5);

// The next line of text from at, without its CR LF and leading blanks; at moves past it.
std::string_view NextLine(const char*& at, const char* end) {
    const char* start = at;
    const char* newline = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)));
    const char* stop = newline ? newline : end;
    at = newline ? newline + 1 : end;
    if (stop > start && stop[-1] == '\r') {
        --stop;
    }
    while (start < stop && *start == ' ') {
        ++start;
    }
    return {start, static_cast<std::size_t>(stop - start)};
}

// Writes value right-aligned in width columns at out.
template <typename Number, typename... Format>
void RightAligned(char* out, int width, Number value, Format... format) {
    char digits[32];
    const int length =
        static_cast<int>(std::to_chars(digits, digits + sizeof digits, value, format...).ptr - digits);
    std::memset(out, ' ', static_cast<std::size_t>(width - length));
    std::memcpy(out + width - length, digits, static_cast<std::size_t>(length));
}

// The least any import and save of this drawing does, in this process (no program start, no
// model, no checks): the DXF read, every vertex's X and Y parsed, a point record and a line
// number written for each, the records written synced. Its time over the plain read and synced
// write is the floor of the import's ratio on the machine that runs it.
void BM_BareParseAndSyncedWrite(benchmark::State& state) {
    std::string drawing;
    std::vector<double> xs;
    std::vector<double> ys;
    std::string records;
    for (auto _ : state) {
        drawing.clear();
        xs.clear();
        ys.clear();
        ReadPlainly(Files().Drawing(), &drawing);
        const char* at = drawing.data();
        const char* end = at + drawing.size();
        bool inVertex = false;
        while (at < end) {
            const std::string_view code = NextLine(at, end);
            const std::string_view value = NextLine(at, end);
            if (code == "0") {
                inVertex = value == "VERTEX";
            } else if (inVertex && (code == "10" || code == "20")) {
                double number = 0;
                std::from_chars(value.data(), value.data() + value.size(), number);
                (code == "10" ? xs : ys).push_back(number);
            }
        }
        records.assign("NODE\r\n");
        char line[32];
        for (std::size_t i = 0; i < xs.size() && i < ys.size(); ++i) {
            RightAligned(line, 5, i + 1);
            RightAligned(line + 5, 5, 0);
            RightAligned(line + 10, 10, xs[i], std::chars_format::fixed, 3);
            RightAligned(line + 20, 10, ys[i], std::chars_format::fixed, 3);
            records.append(line, 30).append("\r\n");
        }
        records.append("LINE\r\n");
        for (std::size_t i = 0; i < xs.size(); ++i) {
            RightAligned(line, 5, i + 1);
            records.append(line, 5).append(i % 10 == 9 ? "\r\n" : "");
        }
        if (xs.size() != kVertices || !WriteSynced(Files().Copy(), records.data(), records.size())) {
            state.SkipWithError("the bare parse or its synced write failed");
            return;
        }
    }
}
BENCHMARK(BM_BareParseAndSyncedWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
