#include "platform/ui/CFormView.h"

#include "platform/ui/FontSubstitution.h"

#include <QFontMetrics>
#include <QPalette>
#include <QWidget>
#include <cmath>

IMPLEMENT_DYNAMIC(CFormView, CView)

namespace {

// The horizontal dialog unit is a quarter of the average width of the Latin letters, the
// vertical one an eighth of the font's height.
constexpr char kAverageWidthSample[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

} // namespace

CFormView::CFormView(UINT templateId) : templateId_(templateId) {}

CFormView::~CFormView() = default;

BOOL CFormView::Create(CWnd* parent) {
    m_pParentWnd = parent;
    auto* form = new QWidget;
    form->setObjectName(QString::number(templateId_));
    SetWidget(form);
    form->setFont(font_);
    CreateControls();
    return TRUE;
}

void CFormView::OnDraw(CDC*) {}

void CFormView::SetFormFont(const CString& faceName, int points) {
    font_ = QFont(platform::SubstituteFontFamily(faceName), points);
    if (GetWidget()) {
        GetWidget()->setFont(font_);
    }
}

void CFormView::SetFormBackground(const QColor& color) {
    QWidget* form = GetWidget();
    QPalette palette = form->palette();
    palette.setColor(QPalette::Window, color);
    form->setPalette(palette);
    form->setAutoFillBackground(true);
}

QRect CFormView::DialogUnitsToPixels(int x, int y, int width, int height) const {
    const QFontMetrics metrics(font_);
    const double sampleWidth = metrics.horizontalAdvance(QString::fromLatin1(kAverageWidthSample));
    const double unitX = sampleWidth / (sizeof kAverageWidthSample - 1) / 4.0;
    const double unitY = metrics.height() / 8.0;
    auto scale = [](int units, double unit) { return static_cast<int>(std::lround(units * unit)); };
    return QRect(scale(x, unitX), scale(y, unitY), scale(width, unitX), scale(height, unitY));
}

QWidget* CFormView::PlaceControl(int id, QWidget* control, int x, int y, int width, int height) {
    control->setParent(GetWidget());
    control->setGeometry(DialogUnitsToPixels(x, y, width, height));
    if (id != kNoControlId) {
        AddControl(id, control);
    }
    return control;
}

QSize CFormView::FittingSize() const {
    QRect bounds;
    for (const QWidget* child : GetWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isEnabled()) {
            bounds = bounds.united(child->geometry());
        }
    }
    if (bounds.isEmpty()) {
        return QSize();
    }
    return QSize(bounds.right() + 1 + bounds.left(), bounds.bottom() + 1 + bounds.top());
}
