#include "platform/ui/FlexGridModel.h"

#include "platform/ui/QtText.h"

#include <algorithm>

namespace {
const CString kNoText;
constexpr int kDefaultAlignment = Qt::AlignLeft | Qt::AlignVCenter;
} // namespace

FlexGridModel::FlexGridModel(QObject* parent)
    : QAbstractTableModel(parent), cells_(static_cast<std::size_t>(rows_) * cols_),
      alignments_(static_cast<std::size_t>(cols_), kDefaultAlignment),
      fixedAlignments_(static_cast<std::size_t>(cols_), kDefaultAlignment) {
    SyncShownShape();
}

void FlexGridModel::BeginShapeChange() {
    if (redraw_) {
        beginResetModel();
    }
}

void FlexGridModel::EndShapeChange() {
    if (redraw_) {
        SyncShownShape();
        endResetModel();
    } else {
        dirty_ = true;
    }
}

void FlexGridModel::SyncShownShape() {
    shownRows_ = rows_ - fixedRows_;
    shownCols_ = cols_ - fixedCols_;
    shownFixedRows_ = fixedRows_;
    shownFixedCols_ = fixedCols_;
}

int FlexGridModel::Alignment(const std::vector<int>& alignments, int col) const {
    return col >= 0 && col < static_cast<int>(alignments.size()) ? alignments[static_cast<std::size_t>(col)]
                                                                 : kDefaultAlignment;
}

void FlexGridModel::SetRows(int rows) {
    rows = std::max(rows, fixedRows_);
    if (rows == rows_) {
        return;
    }
    BeginShapeChange();
    rows_ = rows;
    cells_.resize(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(cols_));
    EndShapeChange();
}

void FlexGridModel::SetCols(int cols) {
    cols = std::max(cols, fixedCols_);
    if (cols == cols_) {
        return;
    }
    BeginShapeChange();
    std::vector<CString> cells(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(cols));
    const int kept = std::min(cols, cols_);
    for (int row = 0; row < rows_; ++row) {
        for (int col = 0; col < kept; ++col) {
            cells[static_cast<std::size_t>(row) * cols + col] =
                std::move(cells_[static_cast<std::size_t>(row) * cols_ + col]);
        }
    }
    cells_.swap(cells);
    cols_ = cols;
    alignments_.resize(static_cast<std::size_t>(cols_), kDefaultAlignment);
    fixedAlignments_.resize(static_cast<std::size_t>(cols_), kDefaultAlignment);
    EndShapeChange();
}

void FlexGridModel::SetFixedRows(int fixed) {
    fixed = std::clamp(fixed, 0, 1);
    if (fixed == fixedRows_) {
        return;
    }
    BeginShapeChange();
    fixedRows_ = fixed;
    EndShapeChange();
    SetRows(std::max(rows_, fixedRows_));
}

void FlexGridModel::SetFixedCols(int fixed) {
    fixed = std::clamp(fixed, 0, 1);
    if (fixed == fixedCols_) {
        return;
    }
    BeginShapeChange();
    fixedCols_ = fixed;
    EndShapeChange();
    SetCols(std::max(cols_, fixedCols_));
}

const CString& FlexGridModel::Text(int row, int col) const {
    return Inside(row, col) ? cells_[static_cast<std::size_t>(row) * cols_ + col] : kNoText;
}

void FlexGridModel::SetText(int row, int col, const CString& text) {
    if (!Inside(row, col)) {
        return;
    }
    CString& cell = cells_[static_cast<std::size_t>(row) * cols_ + col];
    if (cell == text) {
        return;
    }
    cell = text;
    if (!redraw_) {
        dirty_ = true;
        return;
    }
    if (row < fixedRows_ && col >= fixedCols_) {
        emit headerDataChanged(Qt::Horizontal, col - fixedCols_, col - fixedCols_);
    } else if (col < fixedCols_ && row >= fixedRows_) {
        emit headerDataChanged(Qt::Vertical, row - fixedRows_, row - fixedRows_);
    } else if (row >= fixedRows_ && col >= fixedCols_) {
        QModelIndex at = index(row - fixedRows_, col - fixedCols_);
        emit dataChanged(at, at, {Qt::DisplayRole});
    }
}

void FlexGridModel::SetAlignment(int col, int alignment) {
    if (col >= 0 && col < cols_) {
        alignments_[static_cast<std::size_t>(col)] = alignment;
    }
}

void FlexGridModel::SetFixedAlignment(int col, int alignment) {
    if (col >= 0 && col < cols_) {
        fixedAlignments_[static_cast<std::size_t>(col)] = alignment;
    }
}

void FlexGridModel::SetRedraw(bool redraw) {
    if (redraw == redraw_) {
        return;
    }
    redraw_ = redraw;
    if (redraw_ && dirty_) {
        dirty_ = false;
        beginResetModel();
        SyncShownShape();
        endResetModel();
    }
}

int FlexGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

int FlexGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownCols_;
}

QVariant FlexGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const int row = index.row() + shownFixedRows_;
    const int col = index.column() + shownFixedCols_;
    if (role == Qt::DisplayRole) {
        return platform::ToQString(Text(row, col));
    }
    if (role == Qt::TextAlignmentRole) {
        return Alignment(alignments_, col);
    }
    return {};
}

QVariant FlexGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        const int col = section + shownFixedCols_;
        if (role == Qt::DisplayRole) {
            return shownFixedRows_ ? platform::ToQString(Text(0, col)) : QVariant();
        }
        if (role == Qt::TextAlignmentRole) {
            return Alignment(fixedAlignments_, col);
        }
        return {};
    }
    const int row = section + shownFixedRows_;
    if (role == Qt::DisplayRole) {
        return shownFixedCols_ ? platform::ToQString(Text(row, 0)) : QVariant();
    }
    if (role == Qt::TextAlignmentRole) {
        return Alignment(alignments_, 0);
    }
    return {};
}
