#pragma once
// Rows of a list or combo box drawn by their owner: each row is painted through a device
// context on an image of the row's size, so owners draw with the same primitives as their
// views. Rows are a fixed number of pixels high.

#include "platform/core/CRect.h"

#include <QStyledItemDelegate>
#include <functional>

class CDC;

namespace section {

class OwnerDrawDelegate : public QStyledItemDelegate {
public:
    // row: the item's row; rect: the whole row, from (0, 0).
    using Drawer = std::function<void(CDC& dc, const CRect& rect, int row, bool selected, bool focused)>;

    OwnerDrawDelegate(int rowHeight, Drawer drawer, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int rowHeight_;
    Drawer drawer_;
};

} // namespace section
