#include "TitleBarNeeds.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionTitleBar>

int TitleBarNeeds(const QString& title) {
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true);
    QStyleOptionTitleBar bar;
    bar.fontMetrics = QFontMetrics(titleFont);
    bar.titleBarFlags =
        Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
    const QStyle* style = QApplication::style();
    const int square = style->pixelMetric(QStyle::PM_TitleBarHeight, &bar);
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, &bar);
    constexpr int kIconAndButtons = 4;
    return bar.fontMetrics.horizontalAdvance(title) + kIconAndButtons * square + 2 * border;
}
