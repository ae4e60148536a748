#include "platform/ui/WndWidget.h"

#include "platform/ui/CWnd.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

UINT MouseFlags(const QMouseEvent* event) {
    UINT flags = 0;
    if (event->buttons() & Qt::LeftButton) {
        flags |= MK_LBUTTON;
    }
    if (event->buttons() & Qt::RightButton) {
        flags |= MK_RBUTTON;
    }
    if (event->buttons() & Qt::MiddleButton) {
        flags |= MK_MBUTTON;
    }
    if (event->modifiers() & Qt::ShiftModifier) {
        flags |= MK_SHIFT;
    }
    if (event->modifiers() & Qt::ControlModifier) {
        flags |= MK_CONTROL;
    }
    return flags;
}

CPoint At(const QMouseEvent* event) {
    QPoint p = event->position().toPoint();
    return CPoint(p.x(), p.y());
}

} // namespace

namespace platform {

unsigned int VirtualKeyFromQt(int key) {
    switch (key) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    default:
        break;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return VK_F1 + static_cast<unsigned int>(key - Qt::Key_F1);
    }
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) {
        return static_cast<unsigned int>(key);
    }
    return 0;
}

} // namespace platform

WndWidget::WndWidget(CWnd* owner, QWidget* parent) : QWidget(parent), owner_(owner) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

void WndWidget::paintEvent(QPaintEvent*) {
    if (!owner_) {
        return;
    }
    owner_->PaintPending();
    QPainter painter(this);
    painter.drawImage(0, 0, owner_->Canvas());
}

void WndWidget::resizeEvent(QResizeEvent*) {
    if (owner_) {
        owner_->ResizeCanvas(width(), height());
    }
}

void WndWidget::mousePressEvent(QMouseEvent* event) {
    if (!owner_) {
        return;
    }
    if (event->button() == Qt::LeftButton) {
        owner_->OnLButtonDown(MouseFlags(event), At(event));
    } else if (event->button() == Qt::RightButton) {
        owner_->OnRButtonDown(MouseFlags(event), At(event));
    }
}

void WndWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!owner_) {
        return;
    }
    if (event->button() == Qt::LeftButton) {
        owner_->OnLButtonUp(MouseFlags(event), At(event));
    } else if (event->button() == Qt::RightButton) {
        owner_->OnRButtonUp(MouseFlags(event), At(event));
    }
}

void WndWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (owner_ && event->button() == Qt::LeftButton) {
        owner_->OnLButtonDblClk(MouseFlags(event), At(event));
    }
}

void WndWidget::mouseMoveEvent(QMouseEvent* event) {
    if (owner_) {
        owner_->OnMouseMove(MouseFlags(event), At(event));
    }
}

void WndWidget::wheelEvent(QWheelEvent* event) {
    const QPoint angle = event->angleDelta();
    if (!owner_ || angle.isNull()) {
        event->ignore();
        return;
    }
    const QPoint p = event->position().toPoint();
    const CPoint at(p.x(), p.y());
    UINT flags = 0;
    if (event->modifiers() & Qt::ShiftModifier) {
        flags |= MK_SHIFT;
    }
    if (event->modifiers() & Qt::ControlModifier) {
        flags |= MK_CONTROL;
    }
    // Shift turns the wheel sideways, as on the desktop.
    const bool sideways = angle.y() == 0 || (event->modifiers() & Qt::ShiftModifier);
    const int delta = angle.y() != 0 ? angle.y() : angle.x();
    if (sideways) {
        owner_->OnMouseHWheel(flags, static_cast<short>(-delta), at);
        return;
    }
    if (!owner_->OnMouseWheel(flags, static_cast<short>(delta), at)) {
        event->ignore();
    }
}

void WndWidget::keyPressEvent(QKeyEvent* event) {
    if (!owner_) {
        return;
    }
    const UINT repeat = 1;
    if (UINT vk = platform::VirtualKeyFromQt(event->key())) {
        owner_->OnKeyDown(vk, repeat, 0);
    }
    QString text = event->text();
    if (!text.isEmpty() && text.at(0).unicode() >= 0x20 && text.at(0).unicode() < 0x7F) {
        owner_->OnChar(text.at(0).unicode(), repeat, 0);
    }
}

void WndWidget::focusInEvent(QFocusEvent*) {
    if (owner_) {
        owner_->OnSetFocus(nullptr);
    }
}

void WndWidget::focusOutEvent(QFocusEvent*) {
    if (owner_) {
        owner_->OnKillFocus(nullptr);
    }
}
