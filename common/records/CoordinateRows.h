#pragma once
// The rows of a coordinate table (number, X, Y, point name, flag) and the checks every
// coordinate table makes before its rows reach a model: duplicate point numbers, duplicate
// point names, and pairs of points closer than the same-point distance. The checks report
// row positions (1-based), as the tables' messages quote them. Large tables are checked in
// n log n, so that ten thousand rows pass at once.

#include "platform/core/CString.h"
#include "platform/core/Unset.h"

#include <vector>

struct CoordinateRow {
    int number = platform::kUnsetInt;
    double x = platform::kUnsetDouble;
    double y = platform::kUnsetDouble;
    CString name;
    int flag = platform::kUnsetInt;

    bool HasXY() const { return !platform::IsUnsetDouble(x) && !platform::IsUnsetDouble(y); }
};

// A pair of row positions, the earlier first; 0 and 0 when none.
struct RowPair {
    int first = 0;
    int second = 0;
    bool Found() const { return first > 0; }
};

// The first row (by position) whose set number a later row repeats, with the first such later row.
RowPair FindDuplicateNumber(const std::vector<CoordinateRow>& rows);
// The same for names, compared without leading and trailing blanks; empty names never count.
RowPair FindDuplicateName(const std::vector<CoordinateRow>& rows);
// Pairs of rows with X and Y set whose squared distance is at most samePoint2: the first pair
// in row order and, through pairCount, how many there are.
RowPair FindClosePairs(const std::vector<CoordinateRow>& rows, double samePoint2, int* pairCount);
// One warning for all close pairs: "指定点 %d と %d の距離が近すぎます !!" naming the first
// pair, and the number of pairs when there is more than one. Empty when there are none.
CString ClosePairsWarning(const std::vector<CoordinateRow>& rows, double samePoint2);
// "番号 %d と %d の点番号が重複しています !!" for the pair.
CString DuplicateNumberMessage(const RowPair& pair);
// The name without leading and trailing blanks.
CString TrimmedName(const CString& name);
