// The analysis program reading a measurement file of 1,000 points over 1,000 dates (22 MB)
// into a model holding those points, beside a plain line read of the same bytes. Goal: within
// 4 times the plain read.

#include "analysis/core/CBlockDoc.h"
#include "analysis/core/CNode.h"
#include "common/records/MeasurementFile.h"
#include "platform/core/RecordingSink.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

using section::PointKind;

namespace {

constexpr int kPoints = 1000;
constexpr int kDates = 1000;

CString PointName(int point) {
    CString name;
    name.Format("K%d", point + 1);
    return name;
}

// Written once per run, removed at exit.
const std::string& MeasurementPath() {
    static const std::string path = [] {
        std::string made =
            (std::filesystem::temp_directory_path() / ("torvan_bench_" + std::to_string(::getpid()) + ".dis"))
                .string();
        MeasurementFileData data;
        data.title = "BENCH";
        for (int date = 0; date < kDates; ++date) {
            data.dates.push_back({2000 + date / 365, 1 + date % 12, 1 + date % 28, 10, 0});
        }
        for (int point = 0; point < kPoints; ++point) {
            MeasurementBlock block;
            block.number = 0;
            block.columnFlag = 0;
            block.name = PointName(point);
            for (int row = 0; row < kDates; ++row) {
                block.rows.push_back(
                    {row * 0.25 + 0.01, -row * 0.5 - 0.01, platform::kUnsetDouble, platform::kUnsetDouble});
            }
            data.blocks.push_back(std::move(block));
        }
        platform::RecordingSink sink;
        WriteMeasurementFile(made.c_str(), data);
        std::atexit([] { std::filesystem::remove(MeasurementPath()); });
        return made;
    }();
    return path;
}

void BM_PlainMeasurementLineRead(benchmark::State& state) {
    const std::string& path = MeasurementPath();
    for (auto _ : state) {
        long lines = 0;
        char buffer[256];
        std::FILE* file = std::fopen(path.c_str(), "r");
        while (std::fgets(buffer, sizeof buffer, file)) {
            ++lines;
        }
        std::fclose(file);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_PlainMeasurementLineRead)->Unit(benchmark::kMillisecond);

void BM_ReadThousandPointsOverThousandDates(benchmark::State& state) {
    const std::string& path = MeasurementPath();
    platform::RecordingSink sink;
    torvan::CBlockDoc model;
    for (int point = 0; point < kPoints; ++point) {
        auto* site = new torvan::CNode(point + 1, point * 2.0, 100.0, 0);
        site->kind = PointKind::kMeasurement;
        site->name = PointName(point);
        model.MeasurementPoints().SetAt(static_cast<WORD>(point), site);
    }
    for (auto _ : state) {
        model.ReadDisFile(path.c_str());
        if (model.Displacements().GetCount() != kPoints) {
            state.SkipWithError("the records were not all read");
            break;
        }
    }
}
BENCHMARK(BM_ReadThousandPointsOverThousandDates)->Unit(benchmark::kMillisecond);

} // namespace
