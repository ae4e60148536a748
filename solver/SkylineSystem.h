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

    int Size() const { return static_cast<int>(m_diagonal.size()); }
    int Height(int column) const { return m_pointers[column + 1] - m_pointers[column]; }
    int TopRow(int column) const { return column - Height(column); }
    std::size_t ProfileLength() const { return m_upper.size(); }

    double& Diagonal(int j) { return m_diagonal[j]; }
    double& Rhs(int j) { return m_rhs[j]; }
    // Entry (row, column) above the diagonal; row must lie within the column's profile.
    double& Upper(int row, int column) { return m_upper[Index(row, column)]; }
    // Entry (row, column) below the diagonal, stored as the transposed position (column, row).
    double& Lower(int row, int column) { return m_lower[Index(column, row)]; }
    // Sets the entry (row, column), row < column, and its mirror (column, row).
    void SetSymmetric(int row, int column, double value);

    enum class Result { Solved, Singular };

    // Factorises and solves in place; afterwards Rhs holds u. Singular when a pivot is zero,
    // not finite, or tiny against the size of its column (the system is then ill-conditioned).
    Result Solve();

    const std::vector<double>& Solution() const { return m_rhs; }

private:
    std::size_t Index(int row, int column) const {
        return static_cast<std::size_t>(m_pointers[column + 1] - (column - row));
    }
    double ColumnScale(int column) const;

    std::vector<int> m_pointers; // m_pointers[j+1] - m_pointers[j] = height of column j
    std::vector<double> m_diagonal;
    std::vector<double> m_rhs;
    std::vector<double> m_upper;
    std::vector<double> m_lower;
};

} // namespace kalipe
