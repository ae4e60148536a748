#include "testsupport/ui/WheelEvent.h"

#include <QApplication>
#include <QPointingDevice>
#include <QWheelEvent>
#include <QWidget>

namespace testsupport {

void TurnWheel(QWidget* widget, int angle, Qt::KeyboardModifiers modifiers) {
    // A device of the tests' own, kept to the end like the application: Qt's default one would
    // be made on demand and destroyed among the exit handlers.
    static const auto* mouse =
        new QPointingDevice(QStringLiteral("test wheel"), 1, QInputDevice::DeviceType::Mouse,
                            QPointingDevice::PointerType::Generic,
                            QInputDevice::Capability::Position | QInputDevice::Capability::Scroll, 1, 3);
    const QPointF at(20, 20);
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false, Qt::MouseEventNotSynthesized, mouse);
    QApplication::sendEvent(widget, &event);
}

} // namespace testsupport
