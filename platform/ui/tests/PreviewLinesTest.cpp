// The print preview shows every line the printed page has, at every zoom: thin lines and
// dotted and dashed lines of 0.1 mm are drawn in the preview as on paper, scaled to the
// screen, and must not fade or drop out where they become thinner than a screen pixel.

#include "platform/ui/CPrintInfo.h"
#include "platform/ui/CView.h"
#include "platform/ui/ClosePreviewWindow.h"
#include "platform/ui/PrintRunner.h"
#include "testsupport/Fixtures.h"
#include "testsupport/ui/TestApplication.h"

#include <QApplication>
#include <QGraphicsView>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct SampleLine {
    const char* name;
    int style;
    double yMm; // below the printable area's top
};

// 0.1 mm pens of each style, 140 mm long, 10 mm apart.
const SampleLine kLines[] = {
    {"solid", PS_SOLID, 20},
    {"dot", PS_DOT, 30},
    {"dash", PS_DASH, 40},
    {"dash-dot", PS_DASHDOT, 50},
    {"dash-dot-dot", PS_DASHDOTDOT, 60},
};
constexpr double kLineStartMm = 10;
constexpr double kLineEndMm = 150;

class SampleLinesView : public CView {
public:
    void OnDraw(CDC*) override {}
    BOOL OnPreparePrinting(CPrintInfo* info) override {
        info->SetMaxPage(1);
        return TRUE;
    }
    void OnPrint(CDC* dc, CPrintInfo*) override {
        dc->SetMapMode(MM_LOMETRIC);
        for (const SampleLine& line : kLines) {
            CPen pen(line.style, 1, RGB(0, 0, 0));
            CPen* old = dc->SelectObject(&pen);
            const int y = -static_cast<int>(line.yMm * 10);
            dc->MoveTo(static_cast<int>(kLineStartMm * 10), y);
            dc->LineTo(static_cast<int>(kLineEndMm * 10), y);
            dc->SelectObject(old);
        }
    }
};

// Where the paper lies in an image, and its printable area's top-left in millimetres.
struct Paper {
    QRectF pixels;
    double widthMm = 0;
    QPointF marginMm;

    double PixelsPerMm() const { return pixels.width() / widthMm; }
};

// The share of 8-pixel steps along the line with a dark pixel within 2 pixels of it.
double InkedShare(const QImage& image, const Paper& paper, const SampleLine& line) {
    const double scale = paper.PixelsPerMm();
    const int y = static_cast<int>(std::lround(paper.pixels.top() + (paper.marginMm.y() + line.yMm) * scale));
    const int left = static_cast<int>(paper.pixels.left() + (paper.marginMm.x() + kLineStartMm) * scale) + 4;
    const int right = static_cast<int>(paper.pixels.left() + (paper.marginMm.x() + kLineEndMm) * scale) - 4;
    int steps = 0, inked = 0;
    for (int x = left; x + 8 <= right; x += 8, ++steps) {
        bool dark = false;
        for (int dx = 0; dx < 8 && !dark; ++dx) {
            for (int dy = -2; dy <= 2 && !dark; ++dy) {
                dark = qGray(image.pixel(x + dx, y + dy)) < 128;
            }
        }
        inked += dark ? 1 : 0;
    }
    return steps ? static_cast<double>(inked) / steps : 0.0;
}

// The bounding box of the white paper in a grab of the preview (the scene around it is grey).
QRectF WhitePaper(const QImage& image) {
    int top = image.height(), left = image.width(), bottom = -1, right = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == qRgb(255, 255, 255)) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return QRectF(left, top, right - left + 1, bottom - top + 1);
}

// A printer needs the application object first.
QPrinter::PrinterMode AfterTheApplication(QPrinter::PrinterMode mode) {
    testsupport::TestApplication();
    return mode;
}

class PreviewLinesTest : public testsupport::TempDirTest {
protected:
    PreviewLinesTest() : printer_(AfterTheApplication(QPrinter::HighResolution)) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        const QPageLayout layout = printer_.pageLayout();
        paperMm_ = layout.fullRect(QPageLayout::Millimeter).width();
        marginMm_ = layout.paintRect(QPageLayout::Millimeter).topLeft();
    }

    Paper OnImage(const QRectF& pixels) const { return Paper{pixels, paperMm_, marginMm_}; }

    QPrinter printer_;
    double paperMm_ = 0;
    QPointF marginMm_;
    SampleLinesView view_;
};

TEST_F(PreviewLinesTest, EveryLineOfThePrintedPageShowsInThePreviewAtEachZoom) {
    // The printed page, as an independent reader draws the PDF.
    const std::string pdf = Path("lines.pdf");
    ASSERT_TRUE(platform::PrintRunner::PrintToPdf(&view_, pdf));
    QProcess raster;
    raster.start("pdftoppm", {"-r", "150", "-gray", "-singlefile", "-aa", "no", "-aaVector", "no",
                              QString::fromStdString(pdf), QString::fromStdString(Path("lines"))});
    ASSERT_TRUE(raster.waitForFinished(60000) && raster.exitCode() == 0)
        << "pdftoppm (poppler-utils, which scripts/install-deps.sh installs) did not draw the PDF";
    const QImage printed(QString::fromStdString(Path("lines.pgm")));
    ASSERT_FALSE(printed.isNull());
    for (const SampleLine& line : kLines) {
        EXPECT_GE(InkedShare(printed, OnImage(QRectF(printed.rect())), line), 0.9) << "printed " << line.name;
    }

    CPrintInfo prepared;
    prepared.m_bPreview = TRUE;
    prepared.m_pPrinter = &printer_;
    ASSERT_TRUE(view_.OnPreparePrinting(&prepared));
    bool looked = false;
    QTimer::singleShot(0, [&] {
        QWidget* window = QApplication::activeModalWidget();
        ASSERT_NE(window, nullptr);
        window->resize(1100, 1400);
        auto* pages = window->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(pages, nullptr);
        QWidget* screen = pages->findChild<QGraphicsView*>()->viewport();
        for (double zoom : {0.35, 0.6, 1.0}) {
            pages->setZoomFactor(zoom);
            for (int i = 0; i < 5; ++i) {
                screen->repaint();
                QApplication::processEvents();
            }
            const QImage shot = screen->grab().toImage();
            const Paper paper = OnImage(WhitePaper(shot));
            ASSERT_NEAR(paper.PixelsPerMm(), zoom * pages->logicalDpiX() / 25.4, 0.1) << zoom;
            for (const SampleLine& line : kLines) {
                EXPECT_GE(InkedShare(shot, paper, line), 0.9) << line.name << " at zoom " << zoom;
            }
        }
        looked = true;
        window->close();
    });
    platform::ClosePreviewWindow::Run(&view_, prepared);
    EXPECT_TRUE(looked);
}

} // namespace
