// A printed or previewed analysis view is the window's picture at another size: a
// displacement vector keeps its length against the spacing of two measurement points, on
// portrait and landscape pages, in the preview and in the PDF the print command writes.

#include "TorvanViewProgram.h"

#include "analysis/core/CDispData.h"
#include "analysis/core/CNode.h"
#include "platform/core/MapEntries.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CPrintInfo.h"
#include "platform/ui/ClosePreviewWindow.h"
#include "testsupport/ui/Journey.h"

#include <QApplication>
#include <QImage>
#include <QPrintPreviewWidget>
#include <QTimer>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

namespace torvan {
namespace {

constexpr COLORREF kVectorColour = RGB(0, 0, 255);
constexpr COLORREF kSiteColour = RGB(0, 200, 0);

// The vector's length over the spacing of the two measurement points shown, in one picture.
double VectorOverSpacing(const QImage& image) {
    int vectorLeft = image.width(), vectorRight = -1, vectorTop = image.height(), vectorBottom = -1;
    std::vector<QPoint> sites;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > 150 && c.red() < 110 && c.green() < 110) {
                vectorLeft = std::min(vectorLeft, x);
                vectorRight = std::max(vectorRight, x);
                vectorTop = std::min(vectorTop, y);
                vectorBottom = std::max(vectorBottom, y);
            } else if (c.green() > 120 && c.red() < 110 && c.blue() < 110) {
                sites.emplace_back(x, y);
            }
        }
    }
    if (vectorRight < 0 || sites.empty()) {
        return 0.0;
    }
    // The two marks lie apart along x: each half of the green pixels is one mark.
    int left = image.width(), right = -1;
    for (const QPoint& p : sites) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
    }
    const int middle = (left + right) / 2;
    double sum[2][3] = {};
    for (const QPoint& p : sites) {
        double* half = sum[p.x() <= middle ? 0 : 1];
        half[0] += p.x();
        half[1] += p.y();
        half[2] += 1;
    }
    if (sum[0][2] == 0 || sum[1][2] == 0) {
        return 0.0;
    }
    const double spacing = std::hypot(sum[1][0] / sum[1][2] - sum[0][0] / sum[0][2],
                                      sum[1][1] / sum[1][2] - sum[0][1] / sum[0][2]);
    return std::hypot(vectorRight - vectorLeft, vectorBottom - vectorTop) / spacing;
}

using WindowTest = TorvanWindowTest<testsupport::RecordingSinkTest>;

class PrintProportionsTest : public WindowTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(WindowTest::SetUp());
        ASSERT_TRUE(TorvanViewProgram::OpenSampleCopy(*document_, dir_)) << sink_.LastMessageUtf8();
        document_->SetPathName(dir_.File("sample.slo").c_str(), FALSE); // the PDF goes beside it
        // Two measurement points far apart, and the vector of the first one only.
        int shown = 0;
        const int last = Model().MeasurementPoints().GetCount() - 1;
        for (auto [key, site] : platform::MapEntries<CNode>(Model().MeasurementPoints())) {
            site->inUse = shown == 0 || shown == last ? 1 : 0;
            ++shown;
        }
        bool first = true;
        for (auto [key, record] : platform::MapEntries<CDispData>(Model().Displacements())) {
            record->inUse = first ? 1 : 0;
            first = false;
        }
        Model().Settings().m_dVectorScale = 0.006;
        InitialUpdate();
        DisplaySettings& display = view_->m_display;
        for (auto& number : display.numbers) {
            number.draw = 0;
        }
        for (auto& line : display.lines) {
            line.draw = 0;
        }
        for (auto& point : display.points) {
            point.draw = 0;
        }
        display.points[kPointSite] = {1, kSiteColour, 9};
        display.lines[kLineVector].draw = 1;
        display.lines[kLineVector].color = kVectorColour;
        display.lines[kLineVector].width = 2;
        display.lines[kLineVector].type = CDispData::kJoined;
        view_->Invalidate();
        view_->UpdateWindow();
        onScreen_ = VectorOverSpacing(view_->Canvas());
        ASSERT_GT(onScreen_, 0.3) << "a vector long enough to measure";
    }
    // The view printed onto a page image of the size given, at 150 dots per inch.
    QImage PrintedPage(int width, int height) {
        QImage page(width, height, QImage::Format_RGB32);
        page.setDotsPerMeterX(5906);
        page.setDotsPerMeterY(5906);
        page.fill(Qt::white);
        CDC dc;
        EXPECT_TRUE(dc.AttachDevice(&page, true));
        CPrintInfo info;
        info.m_rectDraw = CRect(0, 0, width, height);
        view_->OnPrepareDC(&dc, &info);
        view_->OnPrint(&dc, &info);
        dc.Detach();
        return page;
    }

    testsupport::TempDir dir_{"print proportions"};
    double onScreen_ = 0.0;
};

TEST_F(PrintProportionsTest, PagesInBothOrientationsKeepTheWindowsProportions) {
    const struct {
        const char* name;
        int width;
        int height;
    } pages[] = {{"portrait A4", 1240, 1754}, {"landscape A4", 1754, 1240}};
    for (const auto& page : pages) {
        EXPECT_NEAR(VectorOverSpacing(PrintedPage(page.width, page.height)) / onScreen_, 1.0, 0.08)
            << page.name;
    }
}

TEST_F(PrintProportionsTest, ThePreviewShowsTheWindowsProportions) {
    double previewed = 0.0;
    QTimer::singleShot(0, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == platform::ClosePreviewWindow::kObjectName && widget->isVisible()) {
                auto* pages = widget->findChild<QPrintPreviewWidget*>();
                pages->updatePreview();
                previewed = VectorOverSpacing(pages->grab().toImage());
                widget->close();
                return;
            }
        }
    });
    Command(ID_FILE_PRINT_PREVIEW);
    EXPECT_NEAR(previewed / onScreen_, 1.0, 0.1);
}

TEST_F(PrintProportionsTest, ThePrintedPdfHasTheWindowsProportions) {
    ASSERT_EQ(testsupport::RunTool({"pdftoppm", "-v"}).exitCode, 0)
        << "pdftoppm (poppler-utils, which scripts/install-deps.sh installs) is not installed";
    sink_.QueueAnswer(IDYES);
    Command(ID_FILE_PRINT);
    const std::filesystem::path pdf = dir_.Path() / "sample.slo.pdf";
    ASSERT_TRUE(std::filesystem::exists(pdf)) << sink_.LastMessageUtf8();
    const std::filesystem::path image = dir_.Path() / "page";
    const testsupport::ToolRun run =
        testsupport::RunTool({"pdftoppm", "-r", "100", "-png", "-singlefile", pdf.string(), image.string()});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const QImage page(QString::fromStdString(image.string() + ".png"));
    ASSERT_FALSE(page.isNull());
    EXPECT_NEAR(VectorOverSpacing(page) / onScreen_, 1.0, 0.08);
}

} // namespace
} // namespace torvan
