// One solver run on the largest inputs the work-area limits allow, against the cost of only
// reading its input and writing its log and result. Four shapes fill the limits differently:
// the longest ground line, the most blocks (one measurement point each), the largest single
// block, and the longest displacement series. Each is sized once by searching for the largest
// count the solver still accepts; all four ask for the safety factor.

#include "solver/SolverRun.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct Shape {
    int nodes = 60;
    int points = 8;
    int lines = 0;
    int readings = 4;
};

enum ShapeKind { kLongGround, kManyBlocks, kLargeBlock, kLongSeries, kShapeCount };
const char* const kShapeNames[kShapeCount] = {"long ground line", "most blocks", "largest block",
                                              "longest series"};

Shape ShapeWith(ShapeKind kind, int count) {
    Shape shape;
    switch (kind) {
    case kLongGround:
        shape.nodes = count;
        break;
    case kManyBlocks:
        shape.points = count;
        shape.lines = count - 1;
        shape.readings = 2;
        break;
    case kLargeBlock:
        shape.points = count;
        shape.readings = 2;
        break;
    case kLongSeries:
        shape.points = 3;
        shape.readings = count;
        break;
    case kShapeCount:
        break;
    }
    return shape;
}

// A slope falling from 100 m to 55 m over 150 m with a gentle wave, and a slip surface that is
// 15 m deep under its middle between the boundary points at x = 10 and 140.
double Ground(double x) {
    return 100.0 - 0.3 * x + 0.8 * std::sin(x / 7.0);
}
double SurfaceSlope(double x) {
    const double chord = (Ground(140.0) - Ground(10.0)) / 130.0;
    return chord - 15.0 * (150.0 - 2.0 * x) / (65.0 * 65.0);
}

std::string Format(const char* format, double a, double b, double c = 0.0) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, format, a, b, c);
    return buffer;
}

std::string Keyed(const char* keyword, bool& first, int id) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%-5s%5d", first ? keyword : "", id);
    first = false;
    return buffer;
}

std::string MakeInput(const Shape& shape) {
    std::string text = "TITLE     largest input\r\n";
    bool first = true;
    for (int i = 0; i < shape.nodes; ++i) {
        const double x = 150.0 * i / (shape.nodes - 1);
        text += Keyed("NODE", first, i + 1) + Format("%10.3f%10.3f\r\n", x, Ground(x));
    }
    std::vector<double> xs;
    for (int i = 0; i < shape.points; ++i) {
        xs.push_back(15.0 + 120.0 * (i + 0.5) / shape.points);
    }
    first = true;
    for (int i = 0; i < shape.points; ++i) {
        const double x = xs[static_cast<std::size_t>(i)];
        text += Keyed("POINT", first, i + 1) + Format("%10.3f%10.3f%10.4f\r\n", x, Ground(x), 1.0);
    }
    text += "LEFT      " + Format("%10.3f%10.3f%10.4f\r\n", 10.0, Ground(10.0), 1.0);
    text += "RIGHT     " + Format("%10.3f%10.3f%10.4f\r\n", 140.0, Ground(140.0), 1.0);
    first = true;
    for (int j = 0; j < shape.lines; ++j) {
        const auto before =
            static_cast<std::size_t>(static_cast<long long>(j + 1) * shape.points / (shape.lines + 1) - 1);
        text += Keyed("BLOCK", first, j + 1) +
                Format("%10.3f%10.4f\r\n", (xs[before] + xs[before + 1]) / 2.0, 0.5);
    }
    first = true;
    for (int i = 0; i < shape.points; ++i) {
        for (int k = 0; k < shape.readings; ++k) {
            const double dx = 0.5 * k / shape.readings;
            const std::string lead = k == 0 ? Keyed("DISP", first, i + 1) : std::string(10, ' ');
            text += lead + Format("%10.4f%10.4f\r\n", dx, SurfaceSlope(xs[static_cast<std::size_t>(i)]) * dx);
        }
    }
    text += "COEF          18.000    10.000    25.000\r\nEND \r\n";
    return text;
}

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void Spill(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

class Workspace {
public:
    Workspace() : dir_(fs::temp_directory_path() / ("kalipe bench " + std::to_string(::getpid()))) {
        fs::create_directories(dir_);
    }
    ~Workspace() {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    fs::path File(const std::string& name) const { return dir_ / name; }

private:
    fs::path dir_;
};

Workspace& Space() {
    static Workspace space;
    return space;
}

bool Solves(ShapeKind kind, int count) {
    const fs::path input = Space().File("probe.qel");
    Spill(input, MakeInput(ShapeWith(kind, count)));
    kalipe::SolverRun().Run(input.string());
    return fs::exists(Space().File("probe.slf"));
}

struct SizedInput {
    int count = 0;
    fs::path input;
    std::string inputBytes;
    std::string logBytes;
    std::string resultBytes;
};

// The largest count that still solves: the work area, not the model, refuses the next one.
const SizedInput& Largest(ShapeKind kind) {
    static SizedInput sized[kShapeCount];
    SizedInput& entry = sized[kind];
    if (entry.count > 0) {
        return entry;
    }
    int good = 2;
    int bad = 4;
    while (Solves(kind, bad)) {
        good = bad;
        bad *= 2;
    }
    while (bad - good > 1) {
        const int middle = good + (bad - good) / 2;
        (Solves(kind, middle) ? good : bad) = middle;
    }
    entry.count = good;
    entry.input = Space().File("largest" + std::to_string(kind) + ".qel");
    entry.inputBytes = MakeInput(ShapeWith(kind, good));
    Spill(entry.input, entry.inputBytes);
    kalipe::SolverRun().Run(entry.input.string());
    fs::path log = entry.input;
    fs::path result = entry.input;
    entry.logBytes = Slurp(log.replace_extension(".log"));
    entry.resultBytes = Slurp(result.replace_extension(".slf"));
    return entry;
}

void Describe(benchmark::State& state, ShapeKind kind, const SizedInput& sized) {
    state.SetLabel(std::string(kShapeNames[kind]) + ", count " + std::to_string(sized.count));
    state.counters["count"] = sized.count;
    state.counters["input_bytes"] = static_cast<double>(sized.inputBytes.size());
    state.counters["solved"] = sized.resultBytes.empty() ? 0 : 1;
}

void BM_SolveLargestInput(benchmark::State& state) {
    const auto kind = static_cast<ShapeKind>(state.range(0));
    const SizedInput& sized = Largest(kind);
    for (auto _ : state) {
        kalipe::SolverRun().Run(sized.input.string());
    }
    Describe(state, kind, sized);
}
BENCHMARK(BM_SolveLargestInput)->DenseRange(0, kShapeCount - 1)->Unit(benchmark::kMillisecond);

// The floor for a run: read the input whole, write the log and the result it produced.
void BM_ReadAndWriteItsFiles(benchmark::State& state) {
    const auto kind = static_cast<ShapeKind>(state.range(0));
    const SizedInput& sized = Largest(kind);
    const fs::path log = Space().File("copy.log");
    const fs::path result = Space().File("copy.slf");
    for (auto _ : state) {
        const std::string input = Slurp(sized.input);
        benchmark::DoNotOptimize(input.data());
        Spill(log, sized.logBytes);
        Spill(result, sized.resultBytes);
    }
    Describe(state, kind, sized);
}
BENCHMARK(BM_ReadAndWriteItsFiles)->DenseRange(0, kShapeCount - 1)->Unit(benchmark::kMillisecond);

} // namespace
