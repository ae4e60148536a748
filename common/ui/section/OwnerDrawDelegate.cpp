#include "common/ui/section/OwnerDrawDelegate.h"

#include "platform/ui/CDC.h"

#include <QImage>
#include <QPainter>
#include <QStyle>

namespace section {

OwnerDrawDelegate::OwnerDrawDelegate(int rowHeight, Drawer drawer, QObject* parent)
    : QStyledItemDelegate(parent), rowHeight_(rowHeight), drawer_(std::move(drawer)) {}

void OwnerDrawDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const QRect area = option.rect;
    if (area.isEmpty()) {
        return;
    }
    QImage image(area.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        CDC dc;
        dc.AttachImage(&image);
        const bool selected = (option.state & QStyle::State_Selected) != 0;
        const bool focused = (option.state & QStyle::State_HasFocus) != 0;
        drawer_(dc, CRect(0, 0, area.width(), area.height()), index.row(), selected, focused);
        dc.Detach();
    }
    painter->drawImage(area.topLeft(), image);
}

QSize OwnerDrawDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), rowHeight_);
}

} // namespace section
