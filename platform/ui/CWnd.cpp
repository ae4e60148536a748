#include "platform/ui/CWnd.h"

#include "platform/core/NumberFormat.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/QtText.h"
#include "platform/ui/WndWidget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QVariant>

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

namespace {
const char* const kOwnerProperty = "verrantCWnd";
}

CWnd::CWnd() = default;

CWnd::~CWnd() {
    if (auto* canvas = dynamic_cast<WndWidget*>(GetCanvasWidget())) {
        canvas->Disown();
    }
    if (widget_) {
        widget_->setProperty(kOwnerProperty, QVariant());
        if (ownsWidget_) {
            delete widget_;
        }
    }
}

void CWnd::Attach(QWidget* widget) {
    widget_ = widget;
    ownsWidget_ = false;
    if (widget) {
        widget->setProperty(kOwnerProperty, QVariant::fromValue(static_cast<void*>(this)));
    }
}

void CWnd::SetWidget(QWidget* widget) {
    Attach(widget);
    ownsWidget_ = widget && !widget->parent();
}

CWnd* CWnd::FromWidget(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        QVariant owner = w->property(kOwnerProperty);
        if (owner.isValid()) {
            return static_cast<CWnd*>(owner.value<void*>());
        }
        if (w != widget) {
            break;
        }
    }
    return nullptr;
}

QWidget* CWnd::CreateCanvasWidget(QWidget* parent) {
    auto* canvas = new WndWidget(this, parent);
    if (!widget_) {
        SetWidget(canvas);
    } else {
        canvasWidget_ = canvas;
    }
    return canvas;
}

void CWnd::ForgetWidget() {
    if (auto* canvas = dynamic_cast<WndWidget*>(GetCanvasWidget())) {
        canvas->Disown();
    }
    widget_.clear();
    canvasWidget_.clear();
}

CFrameWnd* CWnd::GetParentFrame() const {
    for (CWnd* wnd = m_pParentWnd; wnd; wnd = wnd->m_pParentWnd) {
        if (auto* frame = dynamic_cast<CFrameWnd*>(wnd)) {
            return frame;
        }
    }
    return nullptr;
}

void CWnd::SetWindowText(const CString& text) {
    if (!widget_) {
        return;
    }
    QString qtext = platform::ToQString(text);
    if (auto* label = qobject_cast<QLabel*>(widget_)) {
        label->setText(qtext);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget_)) {
        edit->setText(qtext);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget_)) {
        button->setText(qtext);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget_)) {
        plain->setPlainText(qtext);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget_); combo && combo->isEditable()) {
        combo->setEditText(qtext);
    } else {
        widget_->setWindowTitle(qtext);
    }
}

CString CWnd::GetWindowTextString() const {
    if (!widget_) {
        return CString();
    }
    QString qtext;
    if (auto* label = qobject_cast<QLabel*>(widget_)) {
        qtext = label->text();
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget_)) {
        qtext = edit->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget_)) {
        qtext = button->text();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget_)) {
        qtext = plain->toPlainText();
    } else if (auto* combo = qobject_cast<QComboBox*>(widget_)) {
        qtext = combo->currentText();
    } else {
        qtext = widget_->windowTitle();
    }
    return platform::FromQStringLossy(qtext);
}

void CWnd::GetClientRect(CRect* rect) const {
    QWidget* w = GetCanvasWidget();
    *rect = w ? CRect(0, 0, w->width(), w->height()) : CRect();
}

BOOL CWnd::ShowWindow(int showCommand) {
    if (!widget_) {
        return FALSE;
    }
    BOOL wasVisible = widget_->isVisible();
    switch (showCommand) {
    case SW_HIDE:
        widget_->hide();
        break;
    case SW_SHOWMAXIMIZED:
        widget_->showMaximized();
        break;
    case SW_SHOWMINIMIZED:
        widget_->showMinimized();
        break;
    case SW_RESTORE:
        widget_->showNormal();
        break;
    default:
        widget_->show();
        break;
    }
    return wasVisible;
}

CWnd* CWnd::SetFocus() {
    CWnd* old = FromWidget(QApplication::focusWidget());
    if (QWidget* w = GetCanvasWidget()) {
        w->setFocus(Qt::OtherFocusReason);
    }
    return old;
}

void CWnd::SetCapture() {
    if (QWidget* w = GetCanvasWidget()) {
        w->grabMouse();
    }
}

void CWnd::ReleaseCapture() {
    if (QWidget* w = QWidget::mouseGrabber()) {
        w->releaseMouse();
    }
}

void CWnd::Invalidate(BOOL) {
    updatePending_ = true;
    if (QWidget* w = GetCanvasWidget()) {
        w->update();
    }
}

void CWnd::UpdateWindow() {
    PaintPending();
    if (QWidget* w = GetCanvasWidget()) {
        w->update();
    }
}

QWidget* CWnd::GetDlgItemWidget(int id) const {
    return widget_ ? widget_->findChild<QWidget*>(QString::number(id)) : nullptr;
}

CWnd* CWnd::GetDlgItem(int id) {
    QWidget* w = GetDlgItemWidget(id);
    if (!w) {
        return nullptr;
    }
    auto& item = items_[id];
    if (!item || item->GetWidget() != w) {
        CWnd* existing = FromWidget(w);
        if (existing && existing != this) {
            return existing;
        }
        item = std::make_unique<CWnd>();
        item->Attach(w);
        item->m_pParentWnd = this;
    }
    return item.get();
}

void CWnd::SetDlgItemText(int id, const CString& text) {
    if (CWnd* item = GetDlgItem(id)) {
        item->SetWindowText(text);
    }
}

int CWnd::GetDlgItemText(int id, CString& text) const {
    CWnd* self = const_cast<CWnd*>(this);
    CWnd* item = self->GetDlgItem(id);
    text = item ? item->GetWindowTextString() : CString();
    return text.GetLength();
}

void CWnd::SetDlgItemInt(int id, int value, BOOL isSigned) {
    CString text;
    if (isSigned) {
        text.Format("%d", value);
    } else {
        text.Format("%u", static_cast<unsigned>(value));
    }
    SetDlgItemText(id, text);
}

int CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL) const {
    CString text;
    GetDlgItemText(id, text);
    text.Trim();
    int value = 0;
    bool ok = platform::ScanInt(text.GetString(), value);
    if (translated) {
        *translated = ok;
    }
    return ok ? value : 0;
}

void CWnd::CheckDlgButton(int id, UINT check) {
    if (auto* button = qobject_cast<QAbstractButton*>(GetDlgItemWidget(id))) {
        button->setChecked(check != 0);
    }
}

UINT CWnd::IsDlgButtonChecked(int id) const {
    auto* button = qobject_cast<QAbstractButton*>(GetDlgItemWidget(id));
    return button && button->isChecked() ? 1U : 0U;
}

QWidget* CWnd::AddControl(int id, QWidget* widget) {
    widget->setObjectName(QString::number(id));
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QPointer<QWidget> guard(widget_);
        QObject::connect(button, &QAbstractButton::clicked, button, [this, id, guard] {
            if (guard) {
                RouteCommand(static_cast<UINT>(id));
            }
        });
    }
    return widget;
}

QImage& CWnd::Canvas() {
    QWidget* w = GetCanvasWidget();
    if (canvas_.isNull() && w) {
        ResizeCanvas(w->width(), w->height());
    }
    return canvas_;
}

void CWnd::ResizeCanvas(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (canvas_.width() == width && canvas_.height() == height) {
        return;
    }
    QImage grown(width, height, QImage::Format_RGB32);
    grown.setDevicePixelRatio(1.0);
    grown.fill(Qt::white);
    if (!canvas_.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(0, 0, canvas_);
    }
    canvas_ = grown;
    updatePending_ = true;
    OnSize(0, width, height);
}

void CWnd::PaintPending() {
    if (!updatePending_) {
        return;
    }
    updatePending_ = false;
    OnPaint();
}

void CWnd::OnPaint() {}
void CWnd::OnSize(UINT, int, int) {}
void CWnd::OnLButtonDown(UINT, CPoint) {}
void CWnd::OnLButtonUp(UINT, CPoint) {}
void CWnd::OnLButtonDblClk(UINT, CPoint) {}
void CWnd::OnRButtonDown(UINT, CPoint) {}
void CWnd::OnRButtonUp(UINT, CPoint) {}
void CWnd::OnMouseMove(UINT, CPoint) {}
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) {
    return FALSE;
}
void CWnd::OnMouseHWheel(UINT, short, CPoint) {}
void CWnd::OnKeyDown(UINT, UINT, UINT) {}
void CWnd::OnChar(UINT, UINT, UINT) {}
void CWnd::OnSetFocus(CWnd*) {}
void CWnd::OnKillFocus(CWnd*) {}
BOOL CWnd::OnClose() {
    return TRUE;
}

short GetKeyState(int virtualKey) {
    Qt::KeyboardModifiers modifiers = QApplication::queryKeyboardModifiers();
    bool down = (virtualKey == VK_SHIFT && (modifiers & Qt::ShiftModifier)) ||
                (virtualKey == VK_CONTROL && (modifiers & Qt::ControlModifier));
    return down ? static_cast<short>(0x8000) : 0;
}
