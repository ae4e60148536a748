// The OK of a ground-surface point table of 10,000 rows over a model of 10,000 points: the
// row check (one close-pair warning at most), the rows turned into pending copies, and the
// document taking them on the confirming click. Every tenth row moved, 100 rows deleted.
// Goal: under 200 ms.

#include "analysis/app/CBlockView.h"
#include "analysis/app/CGridDlg1.h"
#include "analysis/app/CTorvanDoc.h"
#include "analysis/app/PointTableDlg.h"

#include "analysis/core/CLine.h"
#include "analysis/core/CNode.h"
#include "platform/core/RecordingSink.h"
#include "platform/ui/CFrameWnd.h"
#include "testsupport/ui/OffscreenApplication.h"

#include <QWidget>
#include <benchmark/benchmark.h>

using section::PointKind;

namespace {

constexpr int kRows = 10000;

void FillModel(torvan::CBlockDoc& model) {
    model.DeleteContents();
    model.Limits().m_nLimit[torvan::CBlockDoc::kPointLimit] = kRows;
    model.Limits().m_nLimit[torvan::CBlockDoc::kLineLimit] = kRows;
    for (int i = 0; i < kRows; ++i) {
        auto* point = new torvan::CNode(i + 1, i * 0.5, 100.0 - i * 0.01, 0);
        point->kind = PointKind::kGround;
        point->seqNo = i;
        model.GroundPoints().SetAt(static_cast<WORD>(i), point);
        model.AllPoints().SetAt(static_cast<WORD>(i), point);
        if (i > 0) {
            model.GroundLines().SetAt(static_cast<WORD>(i - 1), new torvan::CLine(i - 1, i));
        }
    }
    model.SetMaxNode(kRows);
    model.SetLineCount(kRows - 1);
    model.SetNextKey(kRows);
}

void FillRows(torvan::PointTableDlg& table) {
    table.DeleteRowData();
    for (int i = 0; i < kRows; ++i) {
        if (i % 100 == 50) {
            continue;
        }
        CGridData* row = table.Columns().NewRow();
        row->IntCell(0) = i + 1;
        row->RealCell(0) = i * 0.5 + (i % 10 == 0 ? 0.2 : 0.0);
        row->RealCell(1) = 100.0 - i * 0.01;
        table.m_rows.AddTail(row);
    }
    table.m_nRows = table.m_rows.GetCount();
}

using torvan::CBlockView;

void BM_CheckAndCommitTenThousandRows(benchmark::State& state) {
    testsupport::OffscreenApplication("analysis_point_table_bench");
    platform::RecordingSink sink;
    auto* document = new torvan::CTorvanDoc;
    document->m_bAutoDelete = FALSE;
    auto* frame = new CFrameWnd;
    frame->m_bAutoDelete = FALSE;
    frame->Create("TORVAN");
    frame->LoadFrame(document, RUNTIME_CLASS(CBlockView), nullptr);
    auto* view = static_cast<torvan::CBlockView*>(frame->GetActiveView());
    torvan::PointTableDlg table(view, 919, 0, torvan::kTableGroundPoints);
    table.CreateDataArray(3, 5, 0);
    table.CreateGridStyle({CString(u8"番号 5 5 0 1 10000"), CString(u8"X座標(m) 10 10 3 -99999 999999"),
                           CString(u8"Y座標(m) 10 10 3 -99999 999999")},
                          "t", nullptr, -2, -2);
    int messages = 0;
    for (auto _ : state) {
        state.PauseTiming();
        FillModel(document->Model());
        FillRows(table);
        sink.Clear();
        state.ResumeTiming();
        if (view->OnGridCheckRows(torvan::kTableGroundPoints, &table) == 0) {
            state.SkipWithError("the rows were refused");
            break;
        }
        view->TakeConfirmedPointRows(table, torvan::kTableGroundPoints);
        view->OnLButtonDown(0, CPoint(20, 20));
        messages = sink.MessageCount();
    }
    state.counters["messages"] = messages;
    state.counters["points"] = document->Model().GroundPoints().GetCount();
    table.DeleteRowData();
    delete frame->GetWidget();
    delete frame;
    delete document;
}
BENCHMARK(BM_CheckAndCommitTenThousandRows)->Unit(benchmark::kMillisecond);

} // namespace
