#include "drawing_viewer/app/FirstFramePlacement.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace zapho {

namespace {

constexpr int kBorder = 10;

} // namespace

FirstFramePlacement::FirstFramePlacement(QMdiSubWindow* sub) : QObject(sub), sub_(sub) {}

QRect FirstFramePlacement::PlacementIn(QSize area) {
    return QRect(kBorder, kBorder, area.width() - kBorder - 1, area.height() - kBorder - 1);
}

void FirstFramePlacement::Place(QMdiSubWindow* sub) {
    QMdiArea* area = sub ? sub->mdiArea() : nullptr;
    if (!area) {
        return;
    }
    auto* placement = new FirstFramePlacement(sub);
    placement->placed_ = PlacementIn(area->viewport()->size());
    sub->setGeometry(placement->placed_);
    area->viewport()->installEventFilter(placement);
}

bool FirstFramePlacement::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Resize) {
        return false;
    }
    if (!sub_ || sub_->geometry() != placed_) {
        // The user has placed the window: it is theirs from now on.
        watched->removeEventFilter(this);
        deleteLater();
        return false;
    }
    const QRect fitting = PlacementIn(static_cast<QWidget*>(watched)->size());
    if (fitting.right() < placed_.right() || fitting.bottom() < placed_.bottom()) {
        placed_ = placed_.intersected(fitting);
        sub_->setGeometry(placed_);
    }
    return false;
}

} // namespace zapho
