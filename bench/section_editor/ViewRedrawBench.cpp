// A full redraw of the section editor's view offscreen at 1920 x 1080: 10,000 ground-surface
// points joined by their lines and 1,000 named measurement points, every label drawn.
// Goal: under 16 ms.

#include "section_editor/app/CBlockView.h"
#include "section_editor/app/CMerdokDoc.h"

#include "platform/core/RecordingSink.h"
#include "section_editor/core/CBlockDoc.h"
#include "testsupport/ui/OffscreenApplication.h"
#include "testsupport/ui/ViewWindow.h"

#include <QWidget>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>

namespace {

constexpr int kGroundPoints = 10000;
constexpr int kMeasurePoints = 1000;

// Ground height of the made-up slope at x (0 .. 2000 m).
double Ground(double x) {
    return 500.0 - 0.2 * x + 10.0 * std::sin(x / 50.0);
}

void FillModel(merdok::CBlockDoc& model) {
    for (int& limit : model.m_nLimit) {
        limit = kGroundPoints;
    }
    for (int i = 0; i < kGroundPoints; ++i) {
        const double x = i * 0.2;
        model.m_mapNode.SetAt(i, std::make_unique<merdok::CNode>(i + 1, x, Ground(x), 0));
        if (i > 0) {
            auto line = std::make_unique<merdok::CLine>(i - 1, i);
            line->SetNumber(i);
            line->SetKey(i - 1);
            model.m_LineList.SetAt(i - 1, std::move(line));
        }
    }
    model.m_nNodeCount = kGroundPoints;
    model.m_nLineCount = kGroundPoints - 1;
    for (int i = 0; i < kMeasurePoints; ++i) {
        const double x = 1.0 + i * 1.99;
        auto site = std::make_unique<merdok::CNode>(i + 1, x, Ground(x) - 5.0, 0);
        site->SetKind(section::PointKind::kMeasurement);
        CString name;
        name.Format("%s%d", CString(u8"計測点").GetString(), i + 1);
        site->SetName(name);
        model.m_mapSite.SetAt(i, std::move(site));
    }
    model.m_nSiteCount = kMeasurePoints;
}

using merdok::CBlockView;

void BM_FullRedrawOfTenThousandPoints(benchmark::State& state) {
    testsupport::OffscreenApplication("merdok_view_bench");
    platform::RecordingSink sink;
    merdok::ProgramViewSettings() = merdok::DefaultViewSettings(CString());
    for (section::NumberStyle& number : merdok::ProgramViewSettings().display.numbers) {
        number.draw = 1; // every label
    }
    auto document = std::make_unique<merdok::CMerdokDoc>();
    document->m_bAutoDelete = FALSE;
    FillModel(document->Model());
    testsupport::ViewWindow window;
    if (!window.Open("MERDOK", document.get(), RUNTIME_CLASS(CBlockView), 1920, 1080)) {
        state.SkipWithError("the view could not be made");
        return;
    }
    auto* view = static_cast<merdok::CBlockView*>(window.View());
    view->OnInitialUpdate();
    for (auto _ : state) {
        view->Invalidate();
        view->UpdateWindow();
    }
    state.counters["width"] = view->GetWidget()->width();
    state.counters["height"] = view->GetWidget()->height();
}
BENCHMARK(BM_FullRedrawOfTenThousandPoints)->Unit(benchmark::kMillisecond);

} // namespace
