#pragma once
// The widget of a drawn window: forwards mouse, key, focus and size events to its CWnd and
// blits the CWnd's canvas. Keeps Tab and the arrow keys for the window (Qt's focus chain
// must not take them).

#include <QWidget>

class CWnd;

class WndWidget : public QWidget {
public:
    WndWidget(CWnd* owner, QWidget* parent);
    void Disown() { owner_ = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool) override { return false; }

private:
    CWnd* owner_;
};

namespace platform {
// Virtual-key code of a Qt key (0 when it has none).
unsigned int VirtualKeyFromQt(int qtKey);
} // namespace platform
