// The table editor's heavy cases: reading and writing a measurement file of 1,000 points
// over 1,000 dates, and flipping the page of a table of 10,000 rows (offscreen).

#include "measurement_table/app/CGridDlg1.h"
#include "measurement_table/core/CMeasurementDocument.h"

#include "platform/core/RecordingSink.h"
#include "testsupport/ui/OffscreenApplication.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <unistd.h>

namespace {

void Fill(quilmo::CMeasurementDocument& doc, int points, int dates) {
    for (int date = 0; date < dates; ++date) {
        doc.m_dates.push_back({2000 + date / 365, 1 + date % 12, 1 + date % 28, 10, 0});
    }
    for (int point = 0; point < points; ++point) {
        CString name;
        name.Format("P%d", point + 1);
        auto disp = std::make_unique<quilmo::CDispData>(0, name, dates);
        for (int row = 0; row < dates; ++row) {
            disp->SetValue(0, row, row * 0.25);
            disp->SetValue(1, row, -row * 0.5);
        }
        doc.m_points.push_back(std::move(disp));
    }
}

void BM_WriteAndReadThousandPointsOverThousandDates(benchmark::State& state) {
    quilmo::CMeasurementDocument doc;
    Fill(doc, 1000, 1000);
    const std::string path =
        (std::filesystem::temp_directory_path() / ("quilmo_bench_" + std::to_string(::getpid()) + ".dis"))
            .string();
    for (auto _ : state) {
        doc.WriteDisFile(path.c_str());
        quilmo::CMeasurementDocument read;
        read.ReadDisFile(path.c_str());
        benchmark::DoNotOptimize(read.m_points.size());
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_WriteAndReadThousandPointsOverThousandDates)->Unit(benchmark::kMillisecond);

void BM_PageFlipOverTenThousandRows(benchmark::State& state) {
    testsupport::OffscreenApplication("quilmo_bench");
    platform::RecordingSink sink;
    quilmo::CMeasurementDocument doc;
    Fill(doc, 9, 10000);
    quilmo::CGridDlg1 table(nullptr, quilmo::CGridDlg1::kTwoDimensional, doc.m_points, doc.m_dates);
    table.m_nRows = 10000;
    table.Create();
    QApplication::processEvents();
    for (auto _ : state) {
        table.PageRight();
        table.PageLeft();
        QApplication::processEvents();
    }
    state.SetLabel("two flips an iteration");
}
BENCHMARK(BM_PageFlipOverTenThousandRows)->Unit(benchmark::kMillisecond);

} // namespace
