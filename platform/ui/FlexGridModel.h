#pragma once
// Cell store of the flex grid: a matrix of CP932 texts with the fixed row and column shown
// as the view's headers. Texts stay as bytes until a cell is painted, so filling many
// thousands of cells costs only the copies. While redraw is off, changes are only stored;
// turning it on again announces them to the view in one reset.

#include "platform/core/CString.h"

#include <QAbstractTableModel>
#include <vector>

class FlexGridModel : public QAbstractTableModel {
public:
    explicit FlexGridModel(QObject* parent = nullptr);

    // Whole grid, fixed rows and columns included.
    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    int FixedRows() const { return fixedRows_; }
    int FixedCols() const { return fixedCols_; }
    void SetRows(int rows);
    void SetCols(int cols);
    void SetFixedRows(int fixed);
    void SetFixedCols(int fixed);

    const CString& Text(int row, int col) const;
    void SetText(int row, int col, const CString& text);
    // Qt::Alignment of a column's cells and of its fixed (header) cell.
    void SetAlignment(int col, int alignment);
    void SetFixedAlignment(int col, int alignment);

    void SetRedraw(bool redraw);
    bool Redraw() const { return redraw_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    bool Inside(int row, int col) const { return row >= 0 && col >= 0 && row < rows_ && col < cols_; }
    // Changes of shape: announced at once when redrawing, else at the next SetRedraw(true).
    void BeginShapeChange();
    void EndShapeChange();
    void SyncShownShape();
    int Alignment(const std::vector<int>& alignments, int col) const;

    int rows_ = 2;
    int cols_ = 2;
    int fixedRows_ = 1;
    int fixedCols_ = 1;
    std::vector<CString> cells_; // row-major, cols_ per row
    std::vector<int> alignments_;
    std::vector<int> fixedAlignments_;
    bool redraw_ = true;
    bool dirty_ = false;
    // The shape the view was last told about; it stays while redraw is off.
    int shownRows_ = 1;
    int shownCols_ = 1;
    int shownFixedRows_ = 1;
    int shownFixedCols_ = 1;
};
