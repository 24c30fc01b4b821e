// The two eliminations as pure functions: the one in order, exactly as the
// window has always done it, and the pivoted one that checks it.

#include "determinant/elimination.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "exact_rational.h"

namespace velmora {
namespace {

using testing_support::ExactInverse;
using testing_support::RationalMatrix;

Matrix Make(const std::vector<std::vector<double>>& rows) {
    const auto n = static_cast<int>(rows.size());
    Matrix m(n, n);
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            m(r, c) = rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)];
        }
    }
    return m;
}

// The exact inverse of the doubles in m, each rounded to the nearest double.
Matrix ExactInverseOf(const Matrix& m) {
    const auto n = static_cast<std::size_t>(m.rows());
    RationalMatrix q(n, std::vector<mpq_class>(n));
    for (std::size_t r = 0; r < n; ++r) {
        for (std::size_t c = 0; c < n; ++c) {
            q[r][c] = m(static_cast<int>(r + 1), static_cast<int>(c + 1));
        }
    }
    const std::optional<RationalMatrix> inverse = ExactInverse(q);
    EXPECT_TRUE(inverse.has_value());
    Matrix w(m.rows(), m.cols());
    for (std::size_t r = 0; inverse && r < n; ++r) {
        for (std::size_t c = 0; c < n; ++c) {
            w(static_cast<int>(r + 1), static_cast<int>(c + 1)) = (*inverse)[r][c].get_d();
        }
    }
    return w;
}

void ExpectNear(const Matrix& actual, const Matrix& expected, double relative) {
    double scale = 0.0;
    for (int r = 1; r <= expected.rows(); ++r) {
        for (int c = 1; c <= expected.cols(); ++c) {
            scale = std::max(scale, std::abs(expected(r, c)));
        }
    }
    for (int r = 1; r <= expected.rows(); ++r) {
        for (int c = 1; c <= expected.cols(); ++c) {
            EXPECT_NEAR(actual(r, c), expected(r, c), relative * scale) << r << c;
        }
    }
}

// --- The elimination in order ------------------------------------------------

TEST(InvertInOrder, LookAheadGivesTheInverseToTheLastBit) {
    // A(2, 2) becomes 0 at pivot 1 and row 3 is added to row 2.
    const std::optional<Matrix> w = InvertInOrder(Make({{1, 1, 1}, {1, 1, 0}, {0, 1, 2}}));
    ASSERT_TRUE(w.has_value());
    const Matrix expected = Make({{2, -1, -1}, {-2, 2, 1}, {1, -1, 0}});
    for (int r = 1; r <= 3; ++r) {
        for (int c = 1; c <= 3; ++c) {
            EXPECT_EQ((*w)(r, c), expected(r, c)) << r << c;
        }
    }
}

TEST(InvertInOrder, ExchangesAZeroPivotWithTheNearestRowBelow) {
    const Matrix a = Make({{0, 1, 2}, {0, 3, 1}, {5, 0, 1}});
    const std::optional<Matrix> w = InvertInOrder(a);
    ASSERT_TRUE(w.has_value());
    ExpectNear(*w, ExactInverseOf(a), 1e-15);
}

struct CannotGoOn {
    const char* name;
    std::vector<std::vector<double>> rows;
};

class InvertInOrderStops : public ::testing::TestWithParam<CannotGoOn> {};

// Each is regular; the pivoted elimination inverts it.
TEST_P(InvertInOrderStops, AndThePivotedEliminationInvertsIt) {
    const Matrix a = Make(GetParam().rows);
    EXPECT_FALSE(InvertInOrder(a).has_value());
    const PivotedInverse pivoted = InvertPivoted(a);
    EXPECT_FALSE(IsSingularToWorkingPrecision(pivoted.rcond, a.rows()));
    ASSERT_TRUE(pivoted.inverse.has_value());
    ExpectNear(*pivoted.inverse, ExactInverseOf(a), 1e-15);
}

INSTANTIATE_TEST_SUITE_P(Elimination, InvertInOrderStops,
                         ::testing::Values(
                             // The factor 1E-200 / 1E+200 lies below the double range.
                             CannotGoOn{"ScalingUnderflow", {{1e-200, 1}, {1e200, 1}}},
                             // Row 2 would be scaled by 1E+600.
                             CannotGoOn{"ScalingOverflow", {{1e300, 1}, {1e-300, 1}}},
                             // Row 2 is scaled into an infinite pivot; 1 / inf would read 0.
                             CannotGoOn{"InfinitePivot", {{1, 0}, {1e-300, 1e300}}}),
                         [](const ::testing::TestParamInfo<CannotGoOn>& info) {
                             return std::string(info.param.name);
                         });

// --- The pivoted elimination -------------------------------------------------

TEST(InvertPivoted, ScalesRowsSoThatTheirMagnitudeDoesNotCount) {
    // Row scaling makes these two perfectly conditioned.
    for (const double big : {1e-300, 1e-17, 1.0, 1e200, 1e300}) {
        const Matrix a = Make({{big, 0}, {0, 1}});
        const PivotedInverse pivoted = InvertPivoted(a);
        // The scaled diagonal is (s, 1) with s in [1, 2): the condition is s.
        EXPECT_GT(pivoted.rcond, 0.5) << big;
        ASSERT_TRUE(pivoted.inverse.has_value());
        EXPECT_EQ((*pivoted.inverse)(1, 1), 1 / big);
    }
}

TEST(InvertPivoted, AZeroRowOrColumnIsSingular) {
    EXPECT_EQ(InvertPivoted(Make({{1, 2}, {0, 0}})).rcond, 0.0);
    EXPECT_EQ(InvertPivoted(Make({{0, 2}, {0, 3}})).rcond, 0.0);
    EXPECT_FALSE(InvertPivoted(Make({{0, 2}, {0, 3}})).inverse.has_value());
}

TEST(InvertPivoted, AnInverseBeyondTheDoubleRangeIsNotGiven) {
    const PivotedInverse pivoted = InvertPivoted(Make({{1e-310, 0}, {0, 1}}));
    EXPECT_GT(pivoted.rcond, 0.5);
    EXPECT_FALSE(pivoted.inverse.has_value());
}

std::vector<std::vector<double>> Hilbert(int n) {
    std::vector<std::vector<double>> rows(static_cast<std::size_t>(n));
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            rows[static_cast<std::size_t>(r)].push_back(1.0 / (r + c + 1));
        }
    }
    return rows;
}

struct Conditioning {
    const char* name;
    std::vector<std::vector<double>> rows;
    bool singular;
};

class SingularToWorkingPrecision : public ::testing::TestWithParam<Conditioning> {};

TEST_P(SingularToWorkingPrecision, FollowsTheConditionNumber) {
    const Matrix a = Make(GetParam().rows);
    EXPECT_EQ(IsSingularToWorkingPrecision(InvertPivoted(a).rcond, a.rows()), GetParam().singular);
}

INSTANTIATE_TEST_SUITE_P(
    Elimination, SingularToWorkingPrecision,
    ::testing::Values(Conditioning{"DecimalDependence",
                                   {{0.1, 0.2, 0.3}, {0.4, 0.5, 0.6}, {0.7, 0.8, 0.9}},
                                   true},
                      Conditioning{"EqualToTheLastBit", {{1, 1}, {1, 1 + 0x1p-52}}, true},
                      Conditioning{"ProportionalRowsOfDifferentMagnitude",
                                   {{1e-200, 3e-200}, {1e200, 3e200}},
                                   true},
                      // Ill-conditioned but regular: still solved.
                      Conditioning{"Hilbert6", Hilbert(6), false},
                      Conditioning{"NearlyEqualRows", {{1, 1}, {1, 1.0000000001}}, false},
                      Conditioning{"RowsOfDifferentMagnitude", {{1e-200, 1}, {1e200, 1}}, false}),
    [](const ::testing::TestParamInfo<Conditioning>& info) {
        return std::string(info.param.name);
    });

// --- The choice between them -------------------------------------------------

TEST(SolveWith, KeepsTheEliminationInOrderWhereTheTwoAgree) {
    const Matrix a = Make({{2, 1}, {1, 3}});
    Vector y(2);
    y(1) = 3;
    y(2) = 5;
    const Inversion inversion = Invert(a);
    const std::optional<LinearSolution> solution = SolveWith(inversion, y);
    ASSERT_TRUE(solution.has_value());
    EXPECT_FALSE(solution->pivoted);
    ASSERT_TRUE(inversion.inOrder.has_value());
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 2; ++c) {
            EXPECT_EQ(solution->inverse(r, c), (*inversion.inOrder)(r, c));
        }
    }
    EXPECT_NEAR(solution->x(1), 0.8, 1e-15);
    EXPECT_NEAR(solution->x(2), 1.4, 1e-15);
}

TEST(SolveWith, TakesThePivotedInverseWhereTheOrderLosesDigits) {
    // In order, a residue of about 1E-16 becomes the pivot of column 3.
    const Matrix a = Make({{1, -1, 1, -1}, {0, 1, -3, 1}, {-3, 2, 0, 0}, {1, 0, 1, -1}});
    Vector y(4);
    for (int i = 1; i <= 4; ++i) {
        y(i) = i;
    }
    const std::optional<LinearSolution> solution = SolveWith(Invert(a), y);
    ASSERT_TRUE(solution.has_value());
    EXPECT_TRUE(solution->pivoted);
    ExpectNear(solution->inverse, ExactInverseOf(a), 1e-15);
    const double exact[] = {1, 3, -1, -4};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_NEAR(solution->x(i), exact[i - 1], 1e-14);
    }
}

TEST(SolveWith, NothingWhenTheSolutionLeavesTheDoubleRange) {
    Vector y(2);
    y(1) = std::numeric_limits<double>::max();
    y(2) = 1;
    EXPECT_FALSE(SolveWith(Invert(Make({{0.5, 0}, {0, 1}})), y).has_value());
}

}  // namespace
}  // namespace velmora
