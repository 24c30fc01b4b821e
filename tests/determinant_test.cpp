#include "determinant/determinant.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <type_traits>
#include <utility>
#include <vector>

#include "determinant/arithmetic_overflow.h"
#include "exact_determinant.h"

namespace velmora {
namespace {

using Rows = std::vector<std::vector<double>>;
using Routine = double (*)(const Matrix&);

Matrix MakeMatrix(const Rows& rows) {
    Matrix m(static_cast<int>(rows.size()), static_cast<int>(rows.front().size()));
    for (int r = 1; r <= m.rows(); ++r) {
        for (int c = 1; c <= m.cols(); ++c) {
            m(r, c) = rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)];
        }
    }
    return m;
}

Matrix Identity(int k, double diagonal = 1.0) {
    Matrix m(k, k);
    for (int i = 1; i <= k; ++i) {
        m(i, i) = diagonal;
    }
    return m;
}

Routine RoutineFor(int k) {
    switch (k) {
        case 2:
            return &Deter22;
        case 3:
            return &Deter33;
        case 4:
            return &Deter44;
        default:
            return &Deter55;
    }
}

// The routines take their matrix by const reference, so they cannot modify it.
static_assert(std::is_same_v<decltype(&Deter22), Routine> &&
              std::is_same_v<decltype(&Deter33), Routine> &&
              std::is_same_v<decltype(&Deter44), Routine> &&
              std::is_same_v<decltype(&Deter55), Routine>);

// The exact determinant of the top-left k x k block.
std::int64_t ExactDeterminant(const Matrix& m, int k) {
    testing_support::IntMatrix a(static_cast<std::size_t>(k),
                                 std::vector<long long>(static_cast<std::size_t>(k)));
    for (int r = 0; r < k; ++r) {
        for (int c = 0; c < k; ++c) {
            a[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                static_cast<long long>(m(r + 1, c + 1));
        }
    }
    return testing_support::ExactDeterminant(std::move(a));
}

struct Case {
    const char* name;
    Rows rows;
    int k;  // the routine's size
    double expected;
    bool rounded = false;  // differs from the exact determinant by design
};

const Case kCases[] = {
    {"Deter22", {{1, 2}, {3, 4}}, 2, -2},
    {"Deter33", {{2, 1, 0}, {1, 3, 1}, {0, 1, 4}}, 3, 18},
    {"Deter22OfThe3x3", {{2, 1, 0}, {1, 3, 1}, {0, 1, 4}}, 2, 5},
    {"Deter44", {{1, 2, 0, 1}, {0, 1, 3, 0}, {2, 0, 1, 1}, {1, 1, 0, 2}}, 4, 16},
    {"Deter55RowsExchanged",
     {{0, 1, 0, 0, 0}, {1, 0, 0, 0, 0}, {0, 0, 1, 0, 0}, {0, 0, 0, 1, 0}, {0, 0, 0, 0, 1}},
     5,
     -1},
    {"Deter55TwiceIdentity",
     {{2, 0, 0, 0, 0}, {0, 2, 0, 0, 0}, {0, 0, 2, 0, 0}, {0, 0, 0, 2, 0}, {0, 0, 0, 0, 2}},
     5,
     32},
    {"Deter44FirstRowZero", {{0, 0, 0, 0}, {1, 2, 3, 4}, {5, 6, 7, 9}, {2, 1, 0, 3}}, 4, 0},
    {"Deter55FirstRowZero",
     {{0, 0, 0, 0, 0}, {1, 2, 3, 4, 5}, {5, 6, 7, 9, 1}, {2, 1, 0, 3, 8}, {4, 4, 1, 2, 7}},
     5,
     0},
    // The large terms absorb the small ones when added in the prescribed
    // order: ((((1E16 + 1) + 1) - 1E16) - 1) - 1 is -2, not the exact 0.
    {"Deter33SumsLeftToRight", {{1e16, 1, 1}, {1, 1, 1}, {1, 1, 1}}, 3, -2, true},
    // Every minor is 1, so the terms are 1E16, 1, 1, -1E16 in column order;
    // added from 0 in that order they give 0, not the exact 2.
    {"Deter44SumsInColumnOrder",
     {{1e16, -1, 1, 1e16}, {1, 1, 0, 0}, {0, 1, 1, 0}, {0, 0, 1, 1}},
     4,
     0,
     true},
};

class DeterminantCase : public testing::TestWithParam<Case> {};

TEST_P(DeterminantCase, GivesTheDeterminant) {
    const Case& c = GetParam();
    EXPECT_EQ(RoutineFor(c.k)(MakeMatrix(c.rows)), c.expected);
}

// Embedded in a 6x6 matrix whose other elements are NaN, any read outside
// the k x k block would poison the result and raise the overflow error.
TEST_P(DeterminantCase, ReadsOnlyTheTopLeftBlock) {
    const Case& c = GetParam();
    const Matrix small = MakeMatrix(c.rows);
    Matrix big(6, 6);
    for (int r = 1; r <= 6; ++r) {
        for (int col = 1; col <= 6; ++col) {
            big(r, col) =
                r <= c.k && col <= c.k ? small(r, col) : std::numeric_limits<double>::quiet_NaN();
        }
    }
    EXPECT_EQ(RoutineFor(c.k)(big), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Determinant, DeterminantCase, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& row) { return row.param.name; });

struct OverflowCase {
    const char* name;
    Rows rows;
    int k;
};

const OverflowCase kOverflowCases[] = {
    {"Deter22Product", {{1e200, 0}, {0, 1e200}}, 2},
    // Both products are finite; their difference is not.
    {"Deter22Difference", {{1e308, -1}, {1e308, 1}}, 2},
    {"Deter33Diagonal", {{1e200, 0, 0}, {0, 1e200, 0}, {0, 0, 1e200}}, 3},
    // P1 = P2 = 1E308, the other products 0: the sum is beyond the range.
    {"Deter33Sum", {{1e308, 1e308, 0}, {0, 1, 1}, {1, 0, 1}}, 3},
    {"Deter22Nan", {{std::nan(""), 1}, {1, 1}}, 2},
    {"Deter33Infinity", {{1, 0, 0}, {0, std::numeric_limits<double>::infinity(), 0}, {0, 0, 1}}, 3},
    // The minor is finite, its product with M(1, 1) is not.
    {"Deter44Product", {{1e300, 0, 0, 0}, {0, 1e10, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}, 4},
    // Two finite terms of 1E308 each.
    {"Deter44Sum", {{1e308, -1e308, 0, 0}, {1, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}, 4},
    // The minors overflow although the whole first row is 0: they are
    // evaluated all the same.
    {"Deter44MinorUnderZeroRow",
     {{0, 0, 0, 0}, {1e200, 0, 0, 0}, {0, 1e200, 0, 0}, {0, 0, 1e200, 1}},
     4},
    // Raised by Deter33 two levels down, passed out unchanged.
    {"Deter55FromDeter33",
     {{1, 0, 0, 0, 0},
      {0, 1, 0, 0, 0},
      {0, 0, 1e200, 0, 0},
      {0, 0, 0, 1e200, 0},
      {0, 0, 0, 0, 1e200}},
     5},
    {"Deter55Nan",
     {{1, 0, 0, 0, 0},
      {0, 1, 0, 0, 0},
      {0, 0, 1, 0, 0},
      {0, 0, 0, 1, 0},
      {0, 0, 0, 0, std::nan("")}},
     5},
};

class DeterminantOverflow : public testing::TestWithParam<OverflowCase> {};

TEST_P(DeterminantOverflow, RaisesInsteadOfReturningANonFiniteValue) {
    const OverflowCase& c = GetParam();
    EXPECT_THROW((void)RoutineFor(c.k)(MakeMatrix(c.rows)), ArithmeticOverflow);
}

INSTANTIATE_TEST_SUITE_P(Determinant, DeterminantOverflow, testing::ValuesIn(kOverflowCases),
                         [](const testing::TestParamInfo<OverflowCase>& row) {
                             return row.param.name;
                         });

TEST(Determinant, UnderflowIsNotAnError) {
    Matrix m = Identity(3, 1e-200);
    EXPECT_EQ(Deter33(m), 0.0);
}

TEST(Determinant, ScaledIdentities) {
    for (int k = 2; k <= 5; ++k) {
        EXPECT_EQ(RoutineFor(k)(Identity(k, 3.0)), std::pow(3.0, k)) << "k = " << k;
        EXPECT_EQ(RoutineFor(k)(Identity(k, -1.0)), k % 2 == 0 ? 1.0 : -1.0) << "k = " << k;
    }
}

// The oracle itself, on matrices whose determinants are known by hand: one
// that needs a row exchange and one that is singular.
TEST(Determinant, ExactDeterminantOracle) {
    EXPECT_EQ(ExactDeterminant(MakeMatrix({{0, 1}, {1, 0}}), 2), -1);
    EXPECT_EQ(ExactDeterminant(MakeMatrix({{0, 2, 1}, {0, 1, 3}, {4, 0, 0}}), 3), 20);
    EXPECT_EQ(ExactDeterminant(MakeMatrix({{1, 2, 3}, {2, 4, 6}, {1, 0, 1}}), 3), 0);
    for (const Case& c : kCases) {
        if (!c.rounded) {
            EXPECT_EQ(static_cast<double>(ExactDeterminant(MakeMatrix(c.rows), c.k)), c.expected)
                << c.name;
        }
    }
}

// Small integer entries keep every product and partial sum far below 2^53,
// so each routine must give the exact determinant.
TEST(Determinant, MatchesExactEliminationOnRandomIntegerMatrices) {
    std::mt19937 random(20240607);
    std::uniform_int_distribution<int> entry(-9, 9);
    std::uniform_int_distribution<int> sparse(0, 3);
    for (int trial = 0; trial < 4000; ++trial) {
        const int k = 2 + trial % 4;
        Matrix m(k, k);
        for (int r = 1; r <= k; ++r) {
            for (int c = 1; c <= k; ++c) {
                // Some zeros, so that pivots vanish and rows are exchanged.
                m(r, c) = sparse(random) == 0 ? 0.0 : entry(random);
            }
        }
        const auto expected = static_cast<double>(ExactDeterminant(m, k));
        ASSERT_EQ(RoutineFor(k)(m), expected) << "k = " << k << ", trial " << trial;
    }
}

}  // namespace
}  // namespace velmora
