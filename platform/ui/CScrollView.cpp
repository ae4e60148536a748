#include "platform/ui/CScrollView.h"

#include <QGridLayout>
#include <QScrollBar>
#include <QWidget>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CScrollView, CView)

BOOL CScrollView::Create(CWnd* parent) {
    m_pParentWnd = parent;
    auto* container = new QWidget;
    SetWidget(container);
    auto* layout = new QGridLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QWidget* canvas = CreateCanvasWidget(container);
    vbar_ = new QScrollBar(Qt::Vertical, container);
    hbar_ = new QScrollBar(Qt::Horizontal, container);
    vbar_->setFocusPolicy(Qt::NoFocus);
    hbar_->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(canvas, 0, 0);
    layout->addWidget(vbar_, 0, 1);
    layout->addWidget(hbar_, 1, 0);
    // Bar actions become SB_ codes so that views can take them over.
    auto connectBar = [this](QScrollBar* bar, bool vertical) {
        QObject::connect(bar, &QScrollBar::actionTriggered, bar, [this, bar, vertical](int action) {
            UINT code = SB_ENDSCROLL;
            switch (action) {
            case QAbstractSlider::SliderSingleStepAdd:
                code = SB_LINEDOWN;
                break;
            case QAbstractSlider::SliderSingleStepSub:
                code = SB_LINEUP;
                break;
            case QAbstractSlider::SliderPageStepAdd:
                code = SB_PAGEDOWN;
                break;
            case QAbstractSlider::SliderPageStepSub:
                code = SB_PAGEUP;
                break;
            case QAbstractSlider::SliderToMinimum:
                code = SB_TOP;
                break;
            case QAbstractSlider::SliderToMaximum:
                code = SB_BOTTOM;
                break;
            case QAbstractSlider::SliderMove:
                code = SB_THUMBTRACK;
                break;
            default:
                return;
            }
            int wanted = bar->sliderPosition();
            // Keep the bar where it was; the handler decides where to go.
            bar->setSliderPosition(bar->value());
            if (vertical) {
                OnVScroll(code, static_cast<UINT>(wanted));
            } else {
                OnHScroll(code, static_cast<UINT>(wanted));
            }
        });
    };
    connectBar(vbar_, true);
    connectBar(hbar_, false);
    UpdateBars();
    return TRUE;
}

void CScrollView::SetScrollSizes(int mapMode, CSize total, CSize page, CSize line) {
    mapMode_ = mapMode;
    total_ = total;
    page_ = page;
    line_ = line;
    UpdateBars();
    Invalidate();
}

void CScrollView::UpdateBars() {
    if (!vbar_) {
        return;
    }
    CRect client;
    GetClientRect(&client);
    vbar_->setRange(0, GetScrollLimit(SB_VERT));
    hbar_->setRange(0, GetScrollLimit(SB_HORZ));
    vbar_->setPageStep(page_.cy > 0 ? page_.cy : std::max(1, total_.cy / 10));
    hbar_->setPageStep(page_.cx > 0 ? page_.cx : std::max(1, total_.cx / 10));
    vbar_->setSingleStep(line_.cy > 0 ? line_.cy : std::max(1, total_.cy / 100));
    hbar_->setSingleStep(line_.cx > 0 ? line_.cx : std::max(1, total_.cx / 100));
    vbar_->setVisible(GetScrollLimit(SB_VERT) > 0);
    hbar_->setVisible(GetScrollLimit(SB_HORZ) > 0);
}

int CScrollView::GetScrollLimit(int bar) const {
    CRect client;
    GetClientRect(&client);
    int limit = bar == SB_VERT ? total_.cy - client.Height() : total_.cx - client.Width();
    return std::max(limit, 0);
}

CPoint CScrollView::GetScrollPosition() const {
    return vbar_ ? CPoint(hbar_->value(), vbar_->value()) : CPoint(0, 0);
}

void CScrollView::ScrollToPosition(CPoint point) {
    if (!vbar_) {
        return;
    }
    CPoint before = GetScrollPosition();
    hbar_->setValue(std::clamp(point.x, 0, GetScrollLimit(SB_HORZ)));
    vbar_->setValue(std::clamp(point.y, 0, GetScrollLimit(SB_VERT)));
    CPoint after = GetScrollPosition();
    if (before.x != after.x || before.y != after.y) {
        Invalidate();
    }
}

void CScrollView::OnPrepareDC(CDC* dc, CPrintInfo* info) {
    if (!dc->IsPrinting()) {
        dc->SetMapMode(mapMode_);
        CPoint position = GetScrollPosition();
        dc->SetViewportOrg(-position.x, -position.y);
    }
    CView::OnPrepareDC(dc, info);
}

void CScrollView::OnSize(UINT type, int cx, int cy) {
    UpdateBars();
    ScrollToPosition(GetScrollPosition());
    CView::OnSize(type, cx, cy);
}

void CScrollView::Scroll(QScrollBar* bar, UINT code, UINT position, int line, int page) {
    int value = bar->value();
    switch (code) {
    case SB_LINEUP:
        value -= line;
        break;
    case SB_LINEDOWN:
        value += line;
        break;
    case SB_PAGEUP:
        value -= page;
        break;
    case SB_PAGEDOWN:
        value += page;
        break;
    case SB_TOP:
        value = 0;
        break;
    case SB_BOTTOM:
        value = bar->maximum();
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        value = static_cast<int>(position);
        break;
    default:
        return;
    }
    CPoint target = GetScrollPosition();
    (bar == vbar_ ? target.y : target.x) = value;
    ScrollToPosition(target);
}

void CScrollView::OnVScroll(UINT nSBCode, UINT position) {
    Scroll(vbar_, nSBCode, position, vbar_->singleStep(), vbar_->pageStep());
}

void CScrollView::OnHScroll(UINT nSBCode, UINT position) {
    Scroll(hbar_, nSBCode, position, hbar_->singleStep(), hbar_->pageStep());
}

void CScrollView::OnKeyDown(UINT keyCode, UINT, UINT) {
    switch (keyCode) {
    case VK_PRIOR:
        OnVScroll(SB_PAGEUP, 0);
        break;
    case VK_NEXT:
        OnVScroll(SB_PAGEDOWN, 0);
        break;
    case VK_UP:
        OnVScroll(SB_LINEUP, 0);
        break;
    case VK_DOWN:
        OnVScroll(SB_LINEDOWN, 0);
        break;
    case VK_LEFT:
        OnHScroll(SB_LINEUP, 0);
        break;
    case VK_RIGHT:
        OnHScroll(SB_LINEDOWN, 0);
        break;
    case VK_HOME:
        OnVScroll(SB_TOP, 0);
        break;
    case VK_END:
        OnVScroll(SB_BOTTOM, 0);
        break;
    default:
        break;
    }
}

namespace {
constexpr int kLinesPerNotch = 3;
bool HasRoom(const QScrollBar* bar) {
    return bar && bar->maximum() > bar->minimum();
}
} // namespace

void CScrollView::WheelLines(bool vertical, int delta, int& pending) {
    pending += delta;
    const int notches = pending / WHEEL_DELTA;
    pending -= notches * WHEEL_DELTA;
    const UINT code = notches > 0 ? SB_LINEUP : SB_LINEDOWN;
    for (int i = 0; i < std::abs(notches) * kLinesPerNotch; ++i) {
        if (vertical) {
            OnVScroll(code, 0);
        } else {
            OnHScroll(code, 0);
        }
    }
}

BOOL CScrollView::OnMouseWheel(UINT, short delta, CPoint) {
    if (HasRoom(vbar_)) {
        WheelLines(true, delta, pendingWheel_);
    } else if (HasRoom(hbar_)) {
        WheelLines(false, delta, pendingHWheel_);
    } else {
        return FALSE;
    }
    return TRUE;
}

void CScrollView::OnMouseHWheel(UINT, short delta, CPoint) {
    if (HasRoom(hbar_)) {
        WheelLines(false, -delta, pendingHWheel_);
    }
}
