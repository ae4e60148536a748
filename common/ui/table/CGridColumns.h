#pragma once
// The columns of a table dialog as its style strings describe them: caption, display width,
// input width (0 = read-only), decimals code (0 integer, n > 0 real with n decimals, -99
// text, other -n real in exponent form with n decimals) and the range or text limit. Knows
// how a cell is shown, whether a typed text is acceptable (every character, not only the
// last) and how a text is stored in a row. Columns are counted from 0 here; the grid shows
// column i in grid column i + 1.

#include "common/ui/table/CGridData.h"
#include "platform/core/CString.h"

#include <vector>

enum class GridColumnKind { Int, Real, Exponent, Text };

class CGridColumns {
public:
    static constexpr int kTextCode = -99;

    // Parses one style string per column; replaces what was there.
    void Parse(const std::vector<CString>& styles);

    int Count() const { return static_cast<int>(columns_.size()); }
    int IntCount() const { return counts_[0]; }
    int RealCount() const { return counts_[1]; }
    int ExponentCount() const { return counts_[2]; }
    int TextCount() const { return counts_[3]; }

    GridColumnKind Kind(int col) const { return At(col).kind; }
    const CString& Caption(int col) const { return At(col).caption; }
    int DisplayWidth(int col) const { return At(col).displayWidth; }
    int InputWidth(int col) const { return At(col).inputWidth; }
    // Position of the column among the columns of its kind.
    int KindIndex(int col) const { return At(col).kindIndex; }
    bool IsEditable(int col) const { return At(col).inputWidth > 0; }

    // A new row with the table's counts, every cell unset.
    CGridData* NewRow() const;
    // The cell's text as the grid shows it (empty when unset).
    CString FormatCell(CGridData& row, int col) const;
    // Checks a text typed or pasted into a cell, character by character; empty when it is
    // acceptable, else the message to show. A text of blanks only counts as empty.
    CString CheckText(int col, const CString& text) const;
    // Stores an acceptable text into the row (an empty text unsets the cell; a lone sign
    // stores the unset value; an incomplete number keeps the old value).
    void StoreText(CGridData& row, int col, const CString& text) const;
    // Checks a stored cell against the column's range; empty when it passes, else the
    // message. Text cells pass here (the dialog has its own hook for them).
    CString CheckRange(CGridData& row, int col) const;

    // "%.3lE"-style text of an exponent-form value, with a three-digit exponent that starts
    // with 0 shortened to two digits.
    static CString FormatExponent(double value, int decimals);

private:
    struct Column {
        CString caption;
        int displayWidth = 0;
        int inputWidth = 0;
        int decimals = 0;
        GridColumnKind kind = GridColumnKind::Int;
        int kindIndex = 0;
        int intMin = 0, intMax = 0;
        double realMin = 0, realMax = 0;
        int textLimit = 0;
    };

    const Column& At(int col) const { return columns_[static_cast<std::size_t>(col)]; }
    CString CheckNumberChar(const Column& column, const CString& text, int position) const;
    static bool IsWellFormedNumber(const Column& column, const CString& text);

    std::vector<Column> columns_;
    int counts_[4] = {0, 0, 0, 0};
};
