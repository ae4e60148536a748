// Writing and reading 100,000 point records through the record text file.

#include "analysis/core/CNode.h"
#include "common/records/CTextFile.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <unistd.h>

using section::PointKind;

namespace {

constexpr int kRecords = 100000;

std::string BenchPath() {
    return (std::filesystem::temp_directory_path() / ("records_bench_" + std::to_string(::getpid()) + ".txt"))
        .string();
}

void WritePoints(const std::string& path) {
    CTextFile file;
    file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    torvan::CNode node(0, 0.0, 0.0, 0);
    node.kind = PointKind::kMeasurement;
    node.name = "No.K1";
    CString line;
    for (int i = 0; i < kRecords; ++i) {
        node.number = i + 1;
        node.x = i * 0.125;
        node.y = -i * 0.25;
        node.FormatRecord(line);
        file.WriteLine(line);
    }
    file.Close();
}

void BM_WritePointRecords(benchmark::State& state) {
    std::string path = BenchPath();
    for (auto _ : state) {
        WritePoints(path);
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
    std::filesystem::remove(path);
}
BENCHMARK(BM_WritePointRecords)->Unit(benchmark::kMillisecond);

void BM_ReadPointRecords(benchmark::State& state) {
    std::string path = BenchPath();
    WritePoints(path);
    for (auto _ : state) {
        CTextFile file;
        file.Open(path.c_str(), CFile::modeRead);
        char buffer[82];
        int status = 0;
        torvan::CNode node;
        int count = 0;
        while (file.ReadLineStatus(buffer, sizeof buffer, status)) {
            node.ParseRecord(buffer, 0);
            ++count;
        }
        benchmark::DoNotOptimize(count);
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
    std::filesystem::remove(path);
}
BENCHMARK(BM_ReadPointRecords)->Unit(benchmark::kMillisecond);

} // namespace
