#include "solver/SkylineSystem.h"

#include <algorithm>
#include <cmath>

namespace kalipe {

namespace {

// A pivot below this share of its column's size leaves no trustworthy digits in the solution.
constexpr double kRelativePivotLimit = 1e-12;

} // namespace

SkylineSystem::SkylineSystem(const std::vector<int>& heights)
    : m_pointers(heights.size() + 1, 0), m_diagonal(heights.size(), 0.0), m_rhs(heights.size(), 0.0) {
    for (std::size_t j = 0; j < heights.size(); ++j) {
        const int height = std::clamp(heights[j], 0, static_cast<int>(j));
        m_pointers[j + 1] = m_pointers[j] + height;
    }
    m_upper.assign(static_cast<std::size_t>(m_pointers.back()), 0.0);
    m_lower.assign(static_cast<std::size_t>(m_pointers.back()), 0.0);
}

void SkylineSystem::SetSymmetric(int row, int column, double value) {
    Upper(row, column) = value;
    Lower(column, row) = value;
}

double SkylineSystem::ColumnScale(int column) const {
    double scale = std::fabs(m_diagonal[column]);
    const auto first = static_cast<std::size_t>(m_pointers[column]);
    const auto last = static_cast<std::size_t>(m_pointers[column + 1]);
    for (std::size_t k = first; k < last; ++k) {
        scale = std::max({scale, std::fabs(m_upper[k]), std::fabs(m_lower[k])});
    }
    return scale;
}

SkylineSystem::Result SkylineSystem::Solve() {
    const int n = Size();
    for (int j = 0; j < n; ++j) {
        const double scale = ColumnScale(j);
        const int top = TopRow(j);
        // Reduce the column and the row against the rows and columns already factorised.
        for (int i = top + 1; i < j; ++i) {
            const int from = std::max(top, TopRow(i));
            double upperSum = 0.0;
            double lowerSum = 0.0;
            for (int k = from; k < i; ++k) {
                upperSum += Lower(i, k) * Upper(k, j);
                lowerSum += Upper(k, i) * Lower(j, k);
            }
            Upper(i, j) -= upperSum;
            Lower(j, i) -= lowerSum;
        }
        // Pivot and forward substitution.
        double pivot = m_diagonal[j];
        for (int i = top; i < j; ++i) {
            const double g = Upper(i, j);
            const double q = Lower(j, i);
            pivot -= q * g / m_diagonal[i];
            m_rhs[j] -= q * m_rhs[i];
            Upper(i, j) = g / m_diagonal[i];
            Lower(j, i) = q / m_diagonal[i];
        }
        if (!std::isfinite(pivot) || std::fabs(pivot) <= kRelativePivotLimit * scale) {
            return Result::Singular;
        }
        m_diagonal[j] = pivot;
        m_rhs[j] /= pivot;
    }
    for (int j = n - 1; j >= 1; --j) {
        for (int i = TopRow(j); i < j; ++i) {
            m_rhs[i] -= Upper(i, j) * m_rhs[j];
        }
    }
    const bool finite = std::all_of(m_rhs.begin(), m_rhs.end(), [](double v) { return std::isfinite(v); });
    return finite ? Result::Solved : Result::Singular;
}

} // namespace kalipe
