#include "solver/SkylineSystem.h"

#include <algorithm>
#include <cmath>

namespace kalipe {

namespace {

// A pivot below this share of its column's size leaves no trustworthy digits in the solution.
constexpr double kRelativePivotLimit = 1e-12;

} // namespace

SkylineSystem::SkylineSystem(const std::vector<int>& heights)
    : pointers_(heights.size() + 1, 0), diagonal_(heights.size(), 0.0), rhs_(heights.size(), 0.0) {
    for (std::size_t j = 0; j < heights.size(); ++j) {
        const int height = std::clamp(heights[j], 0, static_cast<int>(j));
        pointers_[j + 1] = pointers_[j] + height;
    }
    upper_.assign(static_cast<std::size_t>(pointers_.back()), 0.0);
    lower_.assign(static_cast<std::size_t>(pointers_.back()), 0.0);
}

void SkylineSystem::SetSymmetric(int row, int column, double value) {
    Upper(row, column) = value;
    Lower(column, row) = value;
}

double SkylineSystem::ColumnScale(int column) const {
    double scale = std::fabs(diagonal_[column]);
    const auto first = static_cast<std::size_t>(pointers_[column]);
    const auto last = static_cast<std::size_t>(pointers_[column + 1]);
    for (std::size_t k = first; k < last; ++k) {
        scale = std::max({scale, std::fabs(upper_[k]), std::fabs(lower_[k])});
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
        double pivot = diagonal_[j];
        for (int i = top; i < j; ++i) {
            const double g = Upper(i, j);
            const double q = Lower(j, i);
            pivot -= q * g / diagonal_[i];
            rhs_[j] -= q * rhs_[i];
            Upper(i, j) = g / diagonal_[i];
            Lower(j, i) = q / diagonal_[i];
        }
        if (!std::isfinite(pivot) || std::fabs(pivot) <= kRelativePivotLimit * scale) {
            return Result::Singular;
        }
        diagonal_[j] = pivot;
        rhs_[j] /= pivot;
    }
    for (int j = n - 1; j >= 1; --j) {
        for (int i = TopRow(j); i < j; ++i) {
            rhs_[i] -= Upper(i, j) * rhs_[j];
        }
    }
    const bool finite = std::all_of(rhs_.begin(), rhs_.end(), [](double v) { return std::isfinite(v); });
    return finite ? Result::Solved : Result::Singular;
}

} // namespace kalipe
