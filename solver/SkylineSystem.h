#pragma once
// A linear system K u = r in profile (skyline) form: for each column only the entries from its
// first stored row down to the diagonal are kept, in the upper profile by columns and in the
// lower profile by rows of the same shape. Solved by a Crout reduction K = L D U without pivoting.

#include <vector>

namespace kalipe {

class SkylineSystem {
public:
    // heights[j]: stored entries above the diagonal of column j (at most j).
    explicit SkylineSystem(const std::vector<int>& heights);

    int Size() const { return static_cast<int>(diagonal_.size()); }
    int Height(int column) const { return pointers_[column + 1] - pointers_[column]; }
    int TopRow(int column) const { return column - Height(column); }
    std::size_t ProfileLength() const { return upper_.size(); }

    double& Diagonal(int j) { return diagonal_[j]; }
    double& Rhs(int j) { return rhs_[j]; }
    // Entry (row, column) above the diagonal; row must lie within the column's profile.
    double& Upper(int row, int column) { return upper_[Index(row, column)]; }
    // Entry (row, column) below the diagonal, stored as the transposed position (column, row).
    double& Lower(int row, int column) { return lower_[Index(column, row)]; }
    // Sets the entry (row, column), row < column, and its mirror (column, row).
    void SetSymmetric(int row, int column, double value);

    enum class Result { Solved, Singular };

    // Factorises and solves in place; afterwards Rhs holds u. Singular when a pivot is zero,
    // not finite, or tiny against the size of its column (the system is then ill-conditioned).
    Result Solve();

    const std::vector<double>& Solution() const { return rhs_; }

private:
    std::size_t Index(int row, int column) const {
        return static_cast<std::size_t>(pointers_[column + 1] - (column - row));
    }
    double ColumnScale(int column) const;

    std::vector<int> pointers_; // pointers_[j+1] - pointers_[j] = height of column j
    std::vector<double> diagonal_;
    std::vector<double> rhs_;
    std::vector<double> upper_;
    std::vector<double> lower_;
};

} // namespace kalipe
