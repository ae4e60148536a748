// A full redraw of the analysis view offscreen at 1920 x 1080 with a model at the count
// limits: 2,000 ground-surface points and lines, 1,000 measurement points with their vectors
// and names, 3 boundary points and 20 slip lines of 200 points. Goal: under 16 ms.
// A label's width is measured only where its left edge lies beyond the clip (measuring lays
// the text out once more than drawing it): medians of 3 at load 3-4, 13.1 ms before, 10.1 ms
// after (a third of the time is the point names, a fifth the ground and slip lines).

#include "analysis/app/CBlockView.h"
#include "analysis/app/CTorvanDoc.h"

#include "analysis/core/CDispData.h"
#include "analysis/core/CLine.h"
#include "analysis/core/CNode.h"
#include "analysis/core/CVerrant.h"
#include "platform/core/RecordingSink.h"
#include "testsupport/ui/OffscreenApplication.h"
#include "testsupport/ui/ViewWindow.h"

#include <benchmark/benchmark.h>
#include <cmath>

using section::PointKind;

namespace {

// Ground height of the made-up slope at x (0 .. 2000 m).
double Ground(double x) {
    return 500.0 - 0.2 * x + 10.0 * std::sin(x / 50.0);
}

void FillModel(torvan::CBlockDoc& model) {
    using torvan::CNode;
    for (int i = 0; i < 2000; ++i) {
        const double x = i * 1.0;
        auto* point = new CNode(i + 1, x, Ground(x), 0);
        model.GroundPoints().SetAt(static_cast<WORD>(i), point);
        if (i > 0) {
            model.GroundLines().SetAt(static_cast<WORD>(i - 1), new torvan::CLine(i - 1, i));
        }
    }
    for (int i = 0; i < 1000; ++i) {
        const double x = 1.0 + i * 1.99;
        auto* site = new CNode(i + 1, x, Ground(x), 0);
        site->kind = PointKind::kMeasurement;
        site->name.Format("%s%d", CString(u8"計測点").GetString(), i + 1);
        model.MeasurementPoints().SetAt(static_cast<WORD>(i), site);
        auto* record = new torvan::CDispData;
        record->count = 4;
        record->inUse = 1;
        record->baseX = x;
        record->baseY = site->y;
        for (int r = 0; r < 4; ++r) {
            record->col1.push_back(0.01 * r);
            record->col2.push_back(-0.008 * r);
            record->readingUsed.push_back(1);
        }
        model.Displacements().SetAt(static_cast<WORD>(i), record);
    }
    const struct {
        double x;
        PointKind kind;
    } bounds[3] = {{300.0, PointKind::kLeftBoundary},
                   {1700.0, PointKind::kRightBoundary},
                   {1000.0, PointKind::kInnerBoundary}};
    for (int i = 0; i < 3; ++i) {
        auto* point = new CNode(i + 1, bounds[i].x, Ground(bounds[i].x) - (i == 2 ? 80.0 : 0.0), 0);
        point->kind = bounds[i].kind;
        model.BoundaryPoints().SetAt(static_cast<WORD>(i), point);
    }
    for (int n = 0; n < 20; ++n) {
        auto* line = new torvan::CVerrant(n + 1);
        for (int i = 0; i < 200; ++i) {
            const double x = 300.0 + i * 1400.0 / 199;
            line->x.push_back(x);
            line->y.push_back(Ground(x) - (60.0 + 2.0 * n) * std::sin((x - 300.0) / 1400.0 * 3.14159));
        }
        line->pointCount = 200;
        line->method = 2;
        line->visible2 = n % 2;
        model.SlipLines().AddTail(line);
    }
    double* size = model.Extents().m_dModelSize;
    size[0] = 0.0;
    size[1] = 2000.0;
    size[2] = 0.0;
    size[3] = 520.0;
    model.Extents().m_dMaxDisp = 0.05;
}

using torvan::CBlockView;

void BM_FullRedrawAtTheCountLimits(benchmark::State& state) {
    testsupport::OffscreenApplication("analysis_view_bench");
    platform::RecordingSink sink;
    auto* document = new torvan::CTorvanDoc;
    document->m_bAutoDelete = FALSE;
    FillModel(document->Model());
    testsupport::ViewWindow window;
    if (!window.Open("TORVAN", document, RUNTIME_CLASS(CBlockView), 1920, 1080)) {
        state.SkipWithError("the view could not be made");
        delete document;
        return;
    }
    auto* view = static_cast<torvan::CBlockView*>(window.View());
    view->OnInitialUpdate();
    for (auto _ : state) {
        view->Invalidate();
        view->UpdateWindow();
    }
    state.counters["width"] = view->Canvas().width();
    state.counters["height"] = view->Canvas().height();
    window.Close();
    delete document;
}
BENCHMARK(BM_FullRedrawAtTheCountLimits)->Unit(benchmark::kMillisecond);

} // namespace
