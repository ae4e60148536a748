// Filling a flex grid with 10,000 rows of 8 formatted cells and showing it, offscreen:
// the work a table dialog does when it opens on a full table.

#include "common/ui/table/CGridDlg.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/RecordingSink.h"
#include "platform/ui/CMSHFlexGrid.h"
#include "platform/ui/FlexGridView.h"
#include "testsupport/ui/OffscreenApplication.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 10000;
constexpr int kCols = 8;

void Fill(CMSHFlexGrid& grid) {
    grid.SetRedraw(FALSE);
    grid.SetCols(kCols + 1);
    grid.SetRows(kRows + 1);
    for (int col = 1; col <= kCols; ++col) {
        grid.SetTextMatrix(0, col, platform::FormatC("X%d(m)", col).c_str());
    }
    for (int row = 1; row <= kRows; ++row) {
        grid.SetTextMatrix(row, 0, platform::FormatC("%d", row).c_str());
        for (int col = 1; col <= kCols; ++col) {
            grid.SetTextMatrix(row, col, platform::FormatC("%.3f", row * 1.25 + col).c_str());
        }
    }
    grid.SetRedraw(TRUE);
}

// A fresh grid each time: fill 80,000 cells, show the window and paint it once.
void BM_FillAndShowGrid(benchmark::State& state) {
    testsupport::OffscreenApplication("grid_bench");
    for (auto _ : state) {
        auto widget = std::unique_ptr<QWidget>(CMSHFlexGrid::CreateControl());
        widget->resize(700, 500);
        CMSHFlexGrid grid;
        grid.AttachControl(widget.get());
        Fill(grid);
        widget->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(widget->grab());
    }
}
BENCHMARK(BM_FillAndShowGrid)->Unit(benchmark::kMillisecond);

// Rewriting every cell of a grid that is already shown (a table rewritten after a row command).
void BM_RefillShownGrid(benchmark::State& state) {
    testsupport::OffscreenApplication("grid_bench");
    auto widget = std::unique_ptr<QWidget>(CMSHFlexGrid::CreateControl());
    widget->resize(700, 500);
    CMSHFlexGrid grid;
    grid.AttachControl(widget.get());
    Fill(grid);
    widget->show();
    QApplication::processEvents();
    for (auto _ : state) {
        Fill(grid);
        QApplication::processEvents();
        benchmark::DoNotOptimize(widget->grab());
    }
}
BENCHMARK(BM_RefillShownGrid)->Unit(benchmark::kMillisecond);

// A table dialog opening on 10,000 rows of 8 columns: rows formatted from their values,
// the grid filled, laid out, shown and painted once.
void BM_OpenTableDialog(benchmark::State& state) {
    testsupport::OffscreenApplication("grid_bench");
    platform::RecordingSink sink;
    std::vector<CString> styles;
    for (int col = 0; col < kCols; ++col) {
        styles.push_back(col % 2 ? CString(platform::FormatC("X%d 10 10 3 -99999 999999", col))
                                 : CString(platform::FormatC("N%d 6 6 0 0 99999", col)));
    }
    for (auto _ : state) {
        CGridDlg dialog(nullptr, 1545, 0, 802);
        dialog.CreateDataArray(kCols, 20, 0);
        dialog.CreateGridStyle(styles, "bench", nullptr, 0, 0);
        for (int row = 1; row <= kRows; ++row) {
            CGridData* data = new CGridData;
            data->Allocate(kCols / 2, kCols / 2, 0, 0);
            for (int i = 0; i < kCols / 2; ++i) {
                data->IntCell(i) = row + i;
                data->RealCell(i) = row * 0.125 + i;
            }
            dialog.m_rows.AddTail(data);
        }
        dialog.m_nRows = kRows;
        dialog.m_nRowLimit = kRows;
        dialog.Create();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.GetWidget()->grab());
    }
}
BENCHMARK(BM_OpenTableDialog)->Unit(benchmark::kMillisecond);

} // namespace
