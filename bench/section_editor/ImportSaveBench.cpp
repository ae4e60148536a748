// A DXF import and save of a ground line as a user meets it, start to exit of the section
// editor's test-support program: one polyline on the ground layer imported into an empty model,
// which is then saved. The line is the longest that the editor's point limit takes whole, at its
// default limit (5,000) and at the highest its settings accept (10,000); a 99,000-vertex line
// without a limit shows how the import scales. Against each, the least such a run has to do: a
// plain read of the same DXF file and a synced write of as many bytes as the saved model holds.
// Goal: the import and save within a few times the plain read and synced write at the user's
// limits. The bare parse and write beside the long line shows what the least of that work costs
// on the machine.

#include "DxfSampleDrawing.h"
#include "bench/support/QuietRun.h"
#include "common/dxf/CDxfWriter.h"
#include "common/records/CountLimits.h"

#include <benchmark/benchmark.h>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

// The scale run's line, and its argument: no limit.
constexpr int kLongLineVertices = 99000;
constexpr int kNoLimit = 0;
constexpr int kDefaultLimit = kSectionEditorDefaultLimits[0];
constexpr int kHighestLimit = kSectionEditorHighestLimit;
static_assert(kSectionEditorDefaultLimits[0] == kSectionEditorDefaultLimits[1],
              "one ground line needs as many lines as points");

// The vertices of the line imported under a point and line limit: the import stops once a count
// + 1 reaches its limit, so the longest line it takes whole has two vertices fewer.
int VerticesUnder(int limit) {
    return limit == kNoLimit ? kLongLineVertices : limit - 2;
}

// The bench's own directory under $TMPDIR with the drawing and the import settings of one
// limit, made once per process and removed at its end.
class BenchFiles {
public:
    explicit BenchFiles(int limit)
        : dir_(std::filesystem::temp_directory_path() /
               ("merdok_import_save_bench_" + std::to_string(::getpid()) + "_" + std::to_string(limit))),
          vertices_(VerticesUnder(limit)) {
        std::filesystem::create_directories(dir_);
        std::vector<double> xs(static_cast<std::size_t>(vertices_));
        std::vector<double> ys(static_cast<std::size_t>(vertices_));
        for (std::size_t i = 0; i < xs.size(); ++i) {
            xs[i] = static_cast<double>(i) * 0.1;
            ys[i] = 500.0 - 0.02 * xs[i] + 8.0 * std::sin(xs[i] / 40.0) + 0.3 * std::sin(xs[i] * 1.7);
        }
        dxftest::WriteDxfFile(Drawing(), dxftest::DxfFileShape{0, 0.0, 0.0, 10000.0, 600.0},
                              [&](CDxfWriter& writer) {
                                  writer.SetLayerName("GROUND");
                                  writer.WritePolyline(xs.data(), ys.data(), vertices_, 1, 0, 3);
                              });
        std::ofstream settings(Settings());
        settings << R"({"layer_lists": [["GROUND"], [], []], "same_point_distance": 0.001)";
        if (limit != kNoLimit) {
            settings << ", \"point_limit\": " << limit << ", \"line_limit\": " << limit;
        }
        settings << "}\n";
    }
    ~BenchFiles() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    BenchFiles(const BenchFiles&) = delete;
    BenchFiles& operator=(const BenchFiles&) = delete;

    int Vertices() const { return vertices_; }
    std::string Drawing() const { return (dir_ / "ground.dxf").string(); }
    std::string Settings() const { return (dir_ / "settings.json").string(); }
    std::string Model() const { return (dir_ / "ground.sec").string(); }
    std::string Copy() const { return (dir_ / "copy.sec").string(); }

private:
    std::filesystem::path dir_;
    int vertices_;
};

const BenchFiles& Files(int limit) {
    static std::map<int, std::unique_ptr<BenchFiles>> files;
    std::unique_ptr<BenchFiles>& made = files[limit];
    if (!made) {
        made = std::make_unique<BenchFiles>(limit);
    }
    return *made;
}

// One run of the program; false when it failed.
bool ImportAndSave(const BenchFiles& files) {
    return benchsupport::RunQuietly(SECTION_IMPORT_DXF, {files.Drawing(), files.Settings(), files.Model()});
}

// The user's two limits, then the long line without one.
void AtTheLimits(benchmark::internal::Benchmark* bench) {
    bench->ArgName("limit")->Arg(kDefaultLimit)->Arg(kHighestLimit)->Arg(kNoLimit);
}

void BM_ImportAndSaveLongGroundLine(benchmark::State& state) {
    // The drawing is made before the clock runs, not in the first timed run.
    const BenchFiles& files = Files(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (!ImportAndSave(files)) {
            state.SkipWithError("section-import-dxf failed");
            return;
        }
    }
    state.counters["model_mb"] = static_cast<double>(std::filesystem::file_size(files.Model())) / 1e6;
    state.counters["vertices"] = files.Vertices();
}
// A program's run, and a synced write, vary with the machine by a tenth or more: half a
// second of runs at least on both sides, whatever the minimum time asked.
BENCHMARK(BM_ImportAndSaveLongGroundLine)
    ->Apply(AtTheLimits)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(0.5);

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
    const BenchFiles& files = Files(static_cast<int>(state.range(0)));
    if (!std::filesystem::exists(files.Model()) && !ImportAndSave(files)) {
        state.SkipWithError("section-import-dxf failed");
        return;
    }
    const std::vector<char> model(std::filesystem::file_size(files.Model()), 'x');
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadPlainly(files.Drawing()));
        if (!WriteSynced(files.Copy(), model.data(), model.size())) {
            state.SkipWithError("the synced write failed");
            return;
        }
    }
}
BENCHMARK(BM_PlainReadAndSyncedWrite)
    ->Apply(AtTheLimits)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(0.5);

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
        ReadPlainly(Files(kNoLimit).Drawing(), &drawing);
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
        if (xs.size() != kLongLineVertices ||
            !WriteSynced(Files(kNoLimit).Copy(), records.data(), records.size())) {
            state.SkipWithError("the bare parse or its synced write failed");
            return;
        }
    }
}
BENCHMARK(BM_BareParseAndSyncedWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
