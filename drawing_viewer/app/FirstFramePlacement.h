#pragma once
// The first drawing window fills the main window's drawing area, less a small border. Until
// the user moves or resizes it, it stays within the area when the area shrinks: the tool,
// prompt and status bars settle their heights only after the window is placed (the prompt
// bar grows with its first text), and a window reaching past the area would bring the
// area's scroll bars in over its right and bottom edges.

#include <QObject>
#include <QPointer>
#include <QRect>

class QMdiSubWindow;

namespace zapho {

class FirstFramePlacement : public QObject {
public:
    // Places the window in its area and keeps it there as described above.
    static void Place(QMdiSubWindow* sub);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FirstFramePlacement(QMdiSubWindow* sub);
    // The window's place in an area of the size: 10 pixels from its top left corner, ending
    // one pixel short of its far edges.
    static QRect PlacementIn(QSize area);

    QPointer<QMdiSubWindow> sub_;
    QRect placed_;
};

} // namespace zapho
