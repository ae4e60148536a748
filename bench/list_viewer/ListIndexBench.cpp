// Indexing a 500,000-line run log (about 40 MB), against counting its lines the way
// `wc -l` does (one pass of memchr over large reads), and drawing-side reading of one page.

#include "list_viewer/core/LineIndex.h"
#include "list_viewer/core/PageRows.h"

#include "platform/core/RecordingSink.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kLines = 500000;

const std::string& BigLogPath() {
    static const std::string path = [] {
        std::string file = (std::filesystem::temp_directory_path() / "wenux-bench-500k.log").string();
        if (!std::filesystem::exists(file)) {
            std::ofstream out(file, std::ios::binary);
            char line[96];
            for (int i = 1; i <= kLines; ++i) {
                int n = std::snprintf(line, sizeof line,
                                      "%7d  %10.3f  %10.3f  %10.3f  %10.3f  SLICE RESULT ROW OF THE RUN\r\n", i,
                                      i * 0.5, i * 0.25, -i * 0.125, i * 1.5);
                out.write(line, n);
            }
        }
        return file;
    }();
    return path;
}

void BM_CountLinesLikeWc(benchmark::State& state) {
    std::vector<char> buffer(128 * 1024);
    const std::string& path = BigLogPath(); // made once, outside the timing
    for (auto _ : state) {
        int fd = ::open(path.c_str(), O_RDONLY);
        long lines = 0;
        ssize_t n;
        while ((n = ::read(fd, buffer.data(), buffer.size())) > 0) {
            const char* p = buffer.data();
            const char* end = p + n;
            while ((p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)))) != nullptr) {
                ++lines;
                ++p;
            }
        }
        ::close(fd);
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines/s"] = benchmark::Counter(static_cast<double>(kLines) * static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CountLinesLikeWc)->Unit(benchmark::kMillisecond);

void BM_BuildLineIndex(benchmark::State& state) {
    platform::RecordingSink sink;
    const std::string pointer = BigLogPath() + ".lp";
    for (auto _ : state) {
        wenux::CLineIndex index;
        bool ok = index.OpenListFile(BigLogPath().c_str(), pointer.c_str(), 112);
        if (!ok || index.LineCount() != kLines) {
            state.SkipWithError("index not built");
        }
    }
    state.counters["lines/s"] = benchmark::Counter(static_cast<double>(kLines) * static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BuildLineIndex)->Unit(benchmark::kMillisecond);

void BM_ReadOnePage(benchmark::State& state) {
    platform::RecordingSink sink;
    const std::string pointer = BigLogPath() + ".lp";
    wenux::CLineIndex index;
    index.OpenListFile(BigLogPath().c_str(), pointer.c_str(), 112);
    std::vector<std::string> rows;
    int page = 0;
    for (auto _ : state) {
        page = (page + 1777) % index.PageCount();
        wenux::ReadPageRows(index, wenux::kCalculationLog, page, rows);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_ReadOnePage)->Unit(benchmark::kMicrosecond);

} // namespace
