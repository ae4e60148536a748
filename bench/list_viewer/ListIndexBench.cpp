// Indexing a 500,000-line run log (about 40 MB), against counting its lines the way
// `wc -l` does (one pass of memchr over large reads) and against `wc -l` itself in the same
// run (the ratio is the "index/wc" counter), reading one page's rows, and drawing one page
// as the view does.

#include "bench/support/QuietRun.h"
#include "list_viewer/core/CLineIndex.h"
#include "list_viewer/core/CListSearch.h"
#include "list_viewer/core/PageRows.h"

#include "list_viewer/app/ListPageDrawer.h"

#include "platform/core/RecordingSink.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CFont.h"
#include "testsupport/ui/OffscreenApplication.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <chrono>
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
                                      "%7d  %10.3f  %10.3f  %10.3f  %10.3f  SLICE RESULT ROW OF THE RUN\r\n",
                                      i, i * 0.5, i * 0.25, -i * 0.125, i * 1.5);
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
            while ((p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)))) !=
                   nullptr) {
                ++lines;
                ++p;
            }
        }
        ::close(fd);
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines/s"] = benchmark::Counter(
        static_cast<double>(kLines) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CountLinesLikeWc)->Unit(benchmark::kMillisecond);

void BM_BuildLineIndex(benchmark::State& state) {
    platform::RecordingSink sink;
    for (auto _ : state) {
        wenux::CLineIndex index;
        bool ok = index.OpenListFile(BigLogPath().c_str(), 112);
        if (!ok || index.LineCount() != kLines) {
            state.SkipWithError("index not built");
        }
    }
    state.counters["lines/s"] = benchmark::Counter(
        static_cast<double>(kLines) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BuildLineIndex)->Unit(benchmark::kMillisecond);

void BM_ReadOnePage(benchmark::State& state) {
    platform::RecordingSink sink;
    wenux::CLineIndex index;
    index.OpenListFile(BigLogPath().c_str(), 112);
    std::vector<std::string> rows;
    int page = 0;
    for (auto _ : state) {
        page = (page + 1777) % index.PageCount();
        wenux::ReadPageRows(index, wenux::kCalculationLog, page, rows);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_ReadOnePage)->Unit(benchmark::kMicrosecond);

double Seconds(std::chrono::steady_clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

// Runs `wc -l FILE` with its output thrown away; false when it did not run.
bool RunWc(const std::string& path) {
    return benchsupport::RunQuietly("wc", {"-l", path});
}

// Both in every iteration, so that the ratio compares runs on the same cached file.
void BM_IndexAgainstWc(benchmark::State& state) {
    platform::RecordingSink sink;
    double wcSeconds = 0;
    double indexSeconds = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        if (!RunWc(BigLogPath())) {
            state.SkipWithError("wc -l did not run");
            break;
        }
        auto middle = std::chrono::steady_clock::now();
        wenux::CLineIndex index;
        if (!index.OpenListFile(BigLogPath().c_str(), 112) || index.LineCount() != kLines) {
            state.SkipWithError("index not built");
            break;
        }
        index.CloseListFiles();
        auto end = std::chrono::steady_clock::now();
        wcSeconds += Seconds(middle - start);
        indexSeconds += Seconds(end - middle);
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["wc_ms"] = 1000 * wcSeconds / runs;
    state.counters["index_ms"] = 1000 * indexSeconds / runs;
    state.counters["index/wc"] = wcSeconds > 0 ? indexSeconds / wcSeconds : 0;
}
BENCHMARK(BM_IndexAgainstWc)->Unit(benchmark::kMillisecond)->Iterations(5);

// A string that the whole file lacks: one pass over every byte, answered "not found".
void BM_SearchMissingString(benchmark::State& state) {
    platform::RecordingSink sink;
    wenux::CLineIndex index;
    index.OpenListFile(BigLogPath().c_str(), 112);
    wenux::CListSearch search(index, wenux::kCalculationLog);
    for (auto _ : state) {
        const wenux::SearchOutcome outcome =
            search.Search("SLICE RESULT ROW OF THE RUX", 1, wenux::SearchMode::kFromCurrent);
        benchmark::DoNotOptimize(outcome.line);
    }
    index.CloseListFiles();
}
BENCHMARK(BM_SearchMissingString)->Unit(benchmark::kMillisecond);

// One page of 112 rows drawn as the view draws it: read after one seek, each row in cells.
void BM_DrawOnePage(benchmark::State& state) {
    testsupport::OffscreenApplication("list_viewer_bench");
    platform::RecordingSink sink;
    wenux::CLineIndex index;
    index.OpenListFile(BigLogPath().c_str(), 112);
    QImage canvas(1000, 112 * 20, QImage::Format_RGB32);
    CDC dc;
    dc.AttachImage(&canvas);
    LOGFONT logFont;
    logFont.lfHeight = -13;
    logFont.lfCharSet = SHIFTJIS_CHARSET;
    CFont font;
    font.CreateFontIndirect(&logFont);
    dc.SelectObject(&font);
    wenux::ListPageDrawer drawer(index, wenux::kCalculationLog);
    drawer.SetLineWidth(82);
    drawer.SetTextHeight(19);
    drawer.SetColumnAdvances(7);
    int page = 0;
    for (auto _ : state) {
        page = (page + 1777) % index.PageCount();
        drawer.DrawPage(&dc, page, 0, wenux::kAllRows, 2, 0, index.Page(page).firstLine, false);
        benchmark::DoNotOptimize(canvas.constBits());
    }
    dc.Detach();
    index.CloseListFiles();
}
BENCHMARK(BM_DrawOnePage)->Unit(benchmark::kMillisecond);

} // namespace
