// The profile solver against a dense Gaussian elimination of the same system.

#include "solver/SkylineSystem.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace kalipe {
namespace {

using Dense = std::vector<std::vector<double>>;

// Gaussian elimination with partial pivoting.
std::vector<double> DenseSolve(Dense a, std::vector<double> b) {
    const std::size_t n = b.size();
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t pivot = col;
        for (std::size_t row = col + 1; row < n; ++row) {
            if (std::fabs(a[row][col]) > std::fabs(a[pivot][col])) {
                pivot = row;
            }
        }
        std::swap(a[col], a[pivot]);
        std::swap(b[col], b[pivot]);
        for (std::size_t row = col + 1; row < n; ++row) {
            const double factor = a[row][col] / a[col][col];
            for (std::size_t k = col; k < n; ++k) {
                a[row][k] -= factor * a[col][k];
            }
            b[row] -= factor * b[col];
        }
    }
    std::vector<double> x(n);
    for (std::size_t i = n; i-- > 0;) {
        double sum = b[i];
        for (std::size_t k = i + 1; k < n; ++k) {
            sum -= a[i][k] * x[k];
        }
        x[i] = sum / a[i][i];
    }
    return x;
}

struct RandomSystem {
    std::vector<int> heights;
    Dense matrix;
    std::vector<double> rhs;
};

// A diagonally dominant system whose entries fill a random profile; symmetric or not.
RandomSystem MakeSystem(std::mt19937& random, int n, bool symmetric) {
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    RandomSystem system;
    system.matrix.assign(static_cast<std::size_t>(n), std::vector<double>(static_cast<std::size_t>(n), 0.0));
    for (int j = 0; j < n; ++j) {
        const int height = std::uniform_int_distribution<int>(0, j)(random);
        system.heights.push_back(height);
        for (int i = j - height; i < j; ++i) {
            const double upper = value(random);
            system.matrix[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = upper;
            system.matrix[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)] =
                symmetric ? upper : value(random);
        }
    }
    for (int i = 0; i < n; ++i) {
        double offDiagonal = 0.0;
        for (int k = 0; k < n; ++k) {
            offDiagonal +=
                k == i ? 0.0
                       : std::fabs(system.matrix[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)]);
        }
        system.matrix[static_cast<std::size_t>(i)][static_cast<std::size_t>(i)] =
            offDiagonal + 0.5 + std::fabs(value(random));
        system.rhs.push_back(10.0 * value(random));
    }
    return system;
}

SkylineSystem Load(const RandomSystem& source) {
    SkylineSystem system(source.heights);
    const int n = system.Size();
    for (int j = 0; j < n; ++j) {
        system.Diagonal(j) = source.matrix[static_cast<std::size_t>(j)][static_cast<std::size_t>(j)];
        system.Rhs(j) = source.rhs[static_cast<std::size_t>(j)];
        for (int i = system.TopRow(j); i < j; ++i) {
            system.Upper(i, j) = source.matrix[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
            system.Lower(j, i) = source.matrix[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)];
        }
    }
    return system;
}

TEST(SkylineSystem, MatchesDenseEliminationOnRandomProfiles) {
    std::mt19937 random(20261209);
    for (int trial = 0; trial < 200; ++trial) {
        const int n = 1 + trial % 40;
        const bool symmetric = trial % 3 != 0;
        const RandomSystem source = MakeSystem(random, n, symmetric);
        SkylineSystem system = Load(source);
        ASSERT_EQ(system.Solve(), SkylineSystem::Result::Solved) << "trial " << trial;
        const std::vector<double> expected = DenseSolve(source.matrix, source.rhs);
        for (int i = 0; i < n; ++i) {
            EXPECT_NEAR(system.Solution()[static_cast<std::size_t>(i)], expected[static_cast<std::size_t>(i)],
                        1e-12 * (1.0 + std::fabs(expected[static_cast<std::size_t>(i)])))
                << "trial " << trial << " unknown " << i;
        }
    }
}

TEST(SkylineSystem, FullSymmetricPositiveDefiniteNormalEquations) {
    // Normal equations of random rows: symmetric positive definite, full columns, no dominance.
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    const int n = 12;
    Dense rows(30, std::vector<double>(n));
    for (auto& row : rows) {
        for (double& v : row) {
            v = value(random);
        }
    }
    Dense normal(n, std::vector<double>(n, 0.0));
    std::vector<double> rhs(n);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            for (const auto& row : rows) {
                normal[i][j] += row[i] * row[j];
            }
        }
        rhs[i] = value(random);
    }
    std::vector<int> heights(n);
    for (int j = 0; j < n; ++j) {
        heights[j] = j;
    }
    SkylineSystem system = Load({heights, normal, rhs});
    ASSERT_EQ(system.Solve(), SkylineSystem::Result::Solved);
    const std::vector<double> expected = DenseSolve(normal, rhs);
    for (int i = 0; i < n; ++i) {
        EXPECT_NEAR(system.Solution()[i], expected[i], 1e-10 * (1.0 + std::fabs(expected[i])));
    }
}

TEST(SkylineSystem, OrderOneAndDiagonalSystems) {
    SkylineSystem one({0});
    one.Diagonal(0) = 4.0;
    one.Rhs(0) = 3.0;
    ASSERT_EQ(one.Solve(), SkylineSystem::Result::Solved);
    EXPECT_DOUBLE_EQ(one.Solution()[0], 0.75);

    SkylineSystem diagonal({0, 0, 0});
    EXPECT_EQ(diagonal.ProfileLength(), 0u);
    for (int j = 0; j < 3; ++j) {
        diagonal.Diagonal(j) = j + 1.0;
        diagonal.Rhs(j) = 6.0;
    }
    ASSERT_EQ(diagonal.Solve(), SkylineSystem::Result::Solved);
    EXPECT_EQ(diagonal.Solution(), (std::vector<double>{6.0, 3.0, 2.0}));
}

TEST(SkylineSystem, ZeroPivotIsSingularNotInfinite) {
    // [[1, 2], [2, 4]] has no solution; the second pivot is exactly zero.
    SkylineSystem system({0, 1});
    system.Diagonal(0) = 1.0;
    system.Diagonal(1) = 4.0;
    system.SetSymmetric(0, 1, 2.0);
    system.Rhs(0) = 1.0;
    system.Rhs(1) = 1.0;
    EXPECT_EQ(system.Solve(), SkylineSystem::Result::Singular);
}

// A pivot that is not zero but lost against its column (rows equal to the last few digits)
// leaves no trustworthy digit in the solution: the system is singular, at any scale.
TEST(SkylineSystem, NearlySingularSystemsAreSingularNotSolved) {
    struct Case {
        const char* name;
        double scale;
        double perturbation;
    };
    for (const Case& c : {Case{"unit", 1.0, 1e-15}, Case{"large", 1e9, 1e-14}, Case{"small", 1e-9, 4e-16}}) {
        SCOPED_TRACE(c.name);
        // scale * [[1, 1, 0], [1, 1 + perturbation, 1], [0, 1, 3]]
        SkylineSystem system({0, 1, 1});
        system.Diagonal(0) = c.scale;
        system.Diagonal(1) = c.scale * (1.0 + c.perturbation);
        system.Diagonal(2) = 3.0 * c.scale;
        system.SetSymmetric(0, 1, c.scale);
        system.SetSymmetric(1, 2, c.scale);
        for (int j = 0; j < 3; ++j) {
            system.Rhs(j) = 1.0;
        }
        EXPECT_EQ(system.Solve(), SkylineSystem::Result::Singular);
    }
}

} // namespace
} // namespace kalipe
