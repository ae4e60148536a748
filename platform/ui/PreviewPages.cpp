#include "platform/ui/PreviewPages.h"

#include "platform/ui/CPrintInfo.h"
#include "platform/ui/PrintRunner.h"

#include <QEvent>
#include <QGraphicsView>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <cmath>

namespace platform {

namespace {

// Zoom steps closer than this keep the pages drawn: the pens' choice hardly changes.
constexpr double kRedrawRatio = 1.01;

// Watches the preview's paints: one at another zoom than the pages were drawn for asks for
// them again, after the paint (the scene must not change while it is drawn).
class ZoomWatch : public QObject {
public:
    explicit ZoomWatch(QPrintPreviewWidget* pages) : QObject(pages), pages_(pages) {}

    void Drawn(double zoom) { drawnZoom_ = zoom; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !redrawDue_ && drawnZoom_ > 0) {
            const double ratio = pages_->zoomFactor() / drawnZoom_;
            if (ratio > kRedrawRatio || ratio < 1 / kRedrawRatio) {
                redrawDue_ = true;
                QMetaObject::invokeMethod(
                    pages_,
                    [this] {
                        redrawDue_ = false;
                        pages_->updatePreview();
                    },
                    Qt::QueuedConnection);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPrintPreviewWidget* pages_;
    double drawnZoom_ = 0;
    bool redrawDue_ = false;
};

} // namespace

void PreviewPages::Attach(QPrintPreviewWidget* pages, CView* view, const CPrintInfo& prepared) {
    auto* watch = new ZoomWatch(pages);
    if (auto* screen = pages->findChild<QGraphicsView*>()) {
        screen->viewport()->installEventFilter(watch);
    }
    QObject::connect(pages, &QPrintPreviewWidget::paintRequested, pages,
                     [pages, view, watch, &prepared](QPrinter* target) {
                         CPrintInfo info = prepared;
                         info.m_pPrinter = target;
                         info.m_bPreview = TRUE;
                         info.SetPreviewScale(ScreenScale(*pages, *target));
                         watch->Drawn(pages->zoomFactor());
                         PrintRunner::RunPages(view, &info, target);
                     });
}

double PreviewPages::ScreenScale(const QPrintPreviewWidget& pages, const QPrinter& printer) {
    return pages.zoomFactor() * pages.logicalDpiX() * pages.devicePixelRatioF() / printer.logicalDpiX();
}

} // namespace platform
