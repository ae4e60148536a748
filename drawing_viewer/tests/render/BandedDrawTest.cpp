// A page drawn in bands on several threads makes the very pixels of one full draw.

#include "drawing_viewer/render/BandedDraw.h"
#include "drawing_viewer/core/CMainDoc.h"
#include "drawing_viewer/core/CPlotArrow.h"
#include "drawing_viewer/core/CPlotCenterMark.h"
#include "drawing_viewer/core/CPlotCircle.h"
#include "drawing_viewer/core/CPlotFont.h"
#include "drawing_viewer/core/CPlotLine.h"
#include "drawing_viewer/core/CPlotPolyLine.h"
#include "drawing_viewer/core/CPlotPolygon.h"
#include "drawing_viewer/core/CPlotRectAngle.h"
#include "drawing_viewer/render/PlotRenderer.h"
#include "testsupport/ui/TestApplication.h"

#include "platform/ui/CDC.h"

#include <QImage>
#include <QThreadPool>
#include <gtest/gtest.h>

#include <algorithm>
#include <latch>
#include <random>
#include <thread>
#include <vector>

namespace zapho {
namespace {

constexpr int kWidth = 3000;
constexpr int kHeight = 2000;

// Every kind of item in every line type, width, fill and style, and texts in turned, spaced,
// opaque, aligned and Japanese fonts, many of them across band edges.
void FillPage(CMainDoc& doc) {
    PlotDrawing& drawing = doc.m_drawing;
    drawing.AddPage();
    drawing.m_userColors[3] = RGB(0, 200, 100);
    drawing.m_userColors[5] = RGB(250, 120, 0);
    std::mt19937 random(7);
    auto any = [&](int from, int to) { return std::uniform_int_distribution<int>(from, to)(random); };
    auto point = [&] { return CPoint(any(-100, kWidth + 100), any(-100, kHeight + 100)); };
    auto add = [&](CPlotData* item) {
        drawing.AddPlotItem(std::unique_ptr<CPlotData>(item), 0, any(-1, 16), 0);
    };
    for (int i = 0; i < 600; ++i) {
        const int lineType = any(-1, 5);
        const int width = i % 23 == 0 ? platform::kUnsetInt : any(0, 9);
        const CPoint a = point();
        switch (i % 8) {
        case 0:
        case 1:
            add(new CPlotLine(a, point(), lineType, width));
            break;
        case 2: {
            auto* line = new CPlotPolyLine(lineType, width);
            for (int k = any(2, 6); k > 0; --k) {
                line->m_points.push_back(point());
            }
            add(line);
            break;
        }
        case 3:
            add(new CPlotArrow(a, point(), width, lineType, any(5, 80), any(5, 60), any(0, 33)));
            break;
        case 4:
            add(new CPlotCenterMark(a, any(5, 80), any(0, 9), any(0, 1), width));
            break;
        case 5: {
            auto* circle = new CPlotCircle(a, any(3, 300), lineType, width);
            if (i % 3 == 0) {
                circle->m_arcStart = point();
                circle->m_arcEnd = point();
            }
            add(circle);
            break;
        }
        case 6:
            add(new CPlotRectAngle(a, point(), any(0, 4), width, any(0, 2)));
            break;
        default: {
            std::vector<CPoint> corners;
            for (int k = any(3, 7); k > 0; --k) {
                corners.push_back(CPoint(a.x + any(-300, 300), a.y + any(-300, 300)));
            }
            add(new CPlotPolygon(corners.data(), static_cast<int>(corners.size()), any(0, 4),
                                 i % 5 == 0 ? platform::kUnsetInt : any(1, 6), any(0, 6)));
            break;
        }
        }
    }
    const int fonts[] = {drawing.GetNewFontIndex(40, 0, 0, 0), drawing.GetNewFontIndex(70, 30, 2700, 0),
                         drawing.GetNewFontIndex(55, 0, 450, 8), drawing.GetNewFontIndex(90, 0, 1800, 0)};
    drawing.m_fonts[1]->m_faceName = "MS Mincho";
    const char* texts[] = {"No.12", "Gl 3.5 m", "\x82\xa0\x82\xa2\x8c\x8a", "Wq", "A"};
    for (int i = 0; i < 120; ++i) {
        const CPoint at = point();
        auto text = std::make_unique<CPlotString>(at.x, at.y, texts[i % 5], fonts[i % 4], i % 3 == 0);
        text->m_nColor = any(-1, 16);
        text->m_nAlign = i % 7 == 0   ? CPlotString::kAlignCentre
                         : i % 5 == 0 ? CPlotString::kAlignRight
                                      : CPlotString::kAlignBottom;
        drawing.Page(0).m_texts.push_back(std::move(text));
    }
}

class BandedDrawTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::TestApplication();
        FillPage(doc_);
    }
    // The page on a screen-sized image, y up, at a scale that is not a whole number.
    // textsBeside: the texts on a layer of their own while the bands draw, as the view does.
    QImage Draw(int bands, bool textsBeside = false) {
        QImage image(1000, 677, QImage::Format_RGB32);
        image.fill(Qt::white);
        CDC dc;
        dc.AttachImage(&image);
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(kWidth, kHeight);
        dc.SetViewportExt(image.width(), -image.height());
        dc.SetViewportOrg(0, image.height());
        auto texts = [&](CDC& band, bool first) {
            PlotRenderer(doc_, false).DrawPlotStrings(&band, 0, first);
        };
        if (textsBeside) {
            BandedDraw::Draw(
                dc, [&](CDC& band, bool) { PlotRenderer(doc_, false).DrawPlotItems(&band, Items()); }, texts,
                bands);
        } else {
            BandedDraw::Draw(
                dc,
                [&](CDC& band, bool first) {
                    PlotRenderer(doc_, false).DrawPlotItems(&band, Items());
                    texts(band, first);
                },
                bands);
        }
        dc.Detach();
        return image;
    }
    const PlotItemList& Items() { return doc_.m_drawing.Page(0).m_items; }
    std::vector<int> Measures() const {
        std::vector<int> sizes;
        for (const auto& text : doc_.m_drawing.Page(0).m_texts) {
            sizes.push_back(text->m_nTextWidth);
            sizes.push_back(text->m_nTextHeight);
        }
        return sizes;
    }
    static int Differences(const QImage& a, const QImage& b) {
        int count = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                count += a.pixel(x, y) != b.pixel(x, y);
            }
        }
        return count;
    }

    CMainDoc doc_;
};

TEST_F(BandedDrawTest, BandsGiveThePixelsOfOneDraw) {
    for (const bool picture : {false, true}) {
        doc_.m_bItemDrawing = picture; // dashes drawn as pieces, as on paper
        const QImage whole = Draw(1);
        const std::vector<int> measured = Measures();
        EXPECT_GT(measured.front(), 0);
        for (auto& text : doc_.m_drawing.Page(0).m_texts) {
            text->m_nTextWidth = 0;
        }
        QImage blank(1000, 677, QImage::Format_RGB32);
        blank.fill(Qt::white);
        EXPECT_GT(Differences(whole, blank), 1000) << "something drawn";
        for (const int bands : {2, 7, 8}) {
            for (const bool textsBeside : {false, true}) {
                EXPECT_EQ(Differences(whole, Draw(bands, textsBeside)), 0)
                    << bands << " bands, picture " << picture << ", texts beside " << textsBeside;
                EXPECT_EQ(Measures(), measured) << "the texts measured once, as in one draw";
            }
        }
    }
}

// A machine whose processors are all taken gives the helpers none: the calling thread then
// draws every band itself instead of waiting for them, and the pixels are the same.
TEST_F(BandedDrawTest, BandsNoHelperTakesAreDrawnByTheCallingThread) {
    const QImage whole = Draw(1);
    QThreadPool* pool = QThreadPool::globalInstance();
    std::latch released(1);
    const int helpers = pool->maxThreadCount();
    for (int i = 0; i < helpers; ++i) {
        pool->start([&released] { released.wait(); });
    }
    for (const bool textsBeside : {false, true}) {
        EXPECT_EQ(Differences(whole, Draw(8, textsBeside)), 0) << "texts beside " << textsBeside;
    }
    released.count_down();
    pool->waitForDone();
}

TEST(BandedDrawPolicy, APageOfFewItemsIsDrawnOnOneThreadAndNoMoreThreadsThanProcessors) {
    EXPECT_EQ(BandedDraw::BandsFor(0), 1);
    EXPECT_EQ(BandedDraw::BandsFor(500), 1);
    const int processors = static_cast<int>(std::thread::hardware_concurrency());
    EXPECT_GE(BandedDraw::BandsFor(12000), 1);
    EXPECT_LE(BandedDraw::BandsFor(12000), std::clamp(processors, 1, 8));
    EXPECT_EQ(BandedDraw::BandsFor(12000), BandedDraw::DefaultBands());
}

} // namespace
} // namespace zapho
