#pragma once
// The Qt side of the flex grid: a table view over a FlexGridModel whose fixed row and
// column are the view's headers (cell (0, 0) is drawn on the corner). Keys and mouse
// buttons go to the owner's FlexGridEvents instead of moving the view's own cursor, so the
// owner decides where the current cell goes; scrolling is per row.

#include "platform/ui/FlexGridEvents.h"
#include "platform/ui/FlexGridModel.h"

#include <QTableView>

class FlexGridView : public QTableView {
public:
    explicit FlexGridView(QWidget* parent = nullptr);

    FlexGridModel* Model() const { return model_; }
    void SetEvents(FlexGridEvents* events) { events_ = events; }
    // Grid row and column (fixed ones included) under the pointer at the last mouse press
    // or release; -1 outside the cells.
    int MouseRow() const { return mouseRow_; }
    int MouseCol() const { return mouseCol_; }
    // Applies pending layout now (scroll ranges after a change of rows).
    void SettleLayout();
    // Applies the model's shape to the headers (after a reset).
    void SyncHeaders();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void scrollContentsBy(int dx, int dy) override;
    bool focusNextPrevChild(bool) override { return false; }
    bool event(QEvent* event) override;

private:
    // Forwards a press or release seen by the viewport or a header; true when taken.
    bool ForwardMouse(QWidget* from, QEvent* event);
    void RecordMouseCell(QWidget* from, QPoint point);
    void PaintCorner(QWidget* corner);

    // Row height that follows the font until the owner sets one of its own.
    int FontRowHeight() const;

    FlexGridModel* model_;
    int fontRowHeight_ = 0;
    int mouseRow_ = -1;
    int mouseCol_ = -1;
    FlexGridEvents* events_ = nullptr;
};

namespace platform {
// The shift state of Qt modifiers as the grid events give it.
UINT GridShiftState(Qt::KeyboardModifiers modifiers);
} // namespace platform
