#include "platform/ui/AreaFilling.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVariant>

namespace platform {

namespace {

const char* const kFilledRect = "verrantFilledRect";
const char* const kFillMargin = "verrantFillMargin";

QRect FillRect(const QMdiArea* area, int margin) {
    const QSize room = area->viewport()->size();
    return QRect(0, 0, std::max(room.width() - margin, 100), std::max(room.height() - margin, 100));
}

} // namespace

AreaFilling::AreaFilling(QMdiArea* area) : QObject(area), area_(area), viewport_(area->viewport()) {
    setObjectName(QStringLiteral("verrantAreaFilling"));
    area->viewport()->installEventFilter(this);
}

AreaFilling& AreaFilling::Of(QMdiArea* area) {
    if (auto* filling =
            area->findChild<AreaFilling*>(QStringLiteral("verrantAreaFilling"), Qt::FindDirectChildrenOnly)) {
        return *filling;
    }
    return *new AreaFilling(area);
}

void AreaFilling::Fill(QMdiSubWindow* window, int margin) {
    const QRect rect = FillRect(area_, margin);
    window->setGeometry(rect);
    window->setProperty(kFilledRect, rect);
    window->setProperty(kFillMargin, margin);
}

bool AreaFilling::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && viewport_ && watched == viewport_) {
        Refill();
    }
    return QObject::eventFilter(watched, event);
}

// A window still where it was put follows; one the user moved, sized or maximised stays.
void AreaFilling::Refill() {
    for (QMdiSubWindow* window : area_->subWindowList()) {
        const QVariant filled = window->property(kFilledRect);
        if (!filled.isValid() || window->isMaximized() || window->isMinimized()) {
            continue;
        }
        if (window->geometry() != filled.toRect()) {
            window->setProperty(kFilledRect, QVariant());
            continue;
        }
        Fill(window, window->property(kFillMargin).toInt());
    }
}

} // namespace platform
