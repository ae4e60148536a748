#pragma once
// Child windows that fill their MDI client area less a margin from its top left corner, and
// keep filling it while the area changes size - the window manager's frame or a tool bar
// arriving after the window was fitted - until the user moves or sizes the window. A child
// reaching past the area would bring the area's scroll bars beside the view's own.

#include <QObject>
#include <QPointer>

class QMdiArea;
class QWidget;
class QMdiSubWindow;

namespace platform {

class AreaFilling : public QObject {
public:
    // The filling of area's children (made once per area, owned by it).
    static AreaFilling& Of(QMdiArea* area);

    // Sizes window to the area less margin pixels; it follows the area from now on.
    void Fill(QMdiSubWindow* window, int margin);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit AreaFilling(QMdiArea* area);
    void Refill();

    QMdiArea* area_;
    // Compared with the watched object only: events arrive while the area is being destroyed.
    QPointer<QWidget> viewport_;
};

} // namespace platform
