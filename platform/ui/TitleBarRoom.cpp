#include "platform/ui/TitleBarRoom.h"

#include <QApplication>
#include <QFontMetrics>
#include <QWidget>
#include <algorithm>

namespace platform {

int TitleBarWidth(const QString& title) {
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    constexpr int kTitleBarParts = 5;
    constexpr int kPartMargin = 8;
    constexpr int kWidestRoom = 800;
    return std::min(metrics.horizontalAdvance(title) + kTitleBarParts * (metrics.height() + kPartMargin),
                    kWidestRoom);
}

void MakeRoomForTitle(QWidget& window) {
    const int needed = TitleBarWidth(window.windowTitle());
    if (window.minimumWidth() < needed) {
        window.setMinimumWidth(needed);
    }
}

} // namespace platform
