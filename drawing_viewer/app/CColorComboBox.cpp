#include "drawing_viewer/app/CColorComboBox.h"
#include "platform/ui/QtColor.h"

#include "common/records/StandardColors.h"
#include "platform/ui/QtText.h"

#include <QComboBox>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QStyledItemDelegate>

namespace zapho {

namespace {

constexpr int kSwatchWidth = 28;

// Draws a colour item: highlight or white, a swatch from 10 to 38 pixels in, the name at 48.
class ColorItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QRect r = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        painter->save();
        painter->fillRect(r, selected ? palette.highlight().color() : QColor(Qt::white));
        if (option.state & QStyle::State_HasFocus) {
            painter->setPen(QPen(Qt::DotLine));
            painter->drawRect(r.adjusted(0, 0, -1, -1));
        }
        CString name;
        const COLORREF color = GetStandardColor(index.row(), &name, StandardColorOrder::Plot);
        const QRect swatch(QPoint(r.left() + 10, r.top() + 2), QPoint(r.left() + 37, r.bottom() - 2));
        painter->fillRect(swatch, platform::ToQColor(color));
        painter->setPen(selected ? palette.highlightedText().color() : QColor(Qt::black));
        painter->drawText(QRect(r.left() + 48, r.top() + 2, r.width() - 48, r.height() - 2),
                          Qt::AlignLeft | Qt::AlignTop, platform::ToQString(name));
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width() + 48, CColorComboBox::kItemHeight);
    }
};

} // namespace

void CColorComboBox::Attach(QComboBox* combo) {
    combo_ = combo;
    combo->clear();
    for (int i = 0; i < kColorCount; ++i) {
        CString name;
        const COLORREF color = GetStandardColor(i, &name, StandardColorOrder::Plot);
        // The closed box shows the chosen colour's swatch beside its name as well.
        QPixmap swatch(kSwatchWidth, kItemHeight - 4);
        swatch.fill(platform::ToQColor(color));
        combo->addItem(QIcon(swatch), platform::ToQString(name));
    }
    combo->setIconSize(QSize(kSwatchWidth, kItemHeight - 4));
    combo->setItemDelegate(new ColorItemDelegate(combo));
}

void CColorComboBox::SetCurSel(int color) {
    if (combo_) {
        combo_->setCurrentIndex(color >= 0 && color < kColorCount ? color : -1);
    }
}

int CColorComboBox::GetCurSel() const {
    return combo_ ? combo_->currentIndex() : -1;
}

} // namespace zapho
