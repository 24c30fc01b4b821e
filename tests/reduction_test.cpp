// The reduction, a system's answer and its words against the tests' own
// exact elimination in GMP's rationals: the one echelon form of A, the
// ranks, the determinant, and a replay by hand of every row operation.

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "echelon_oracle.h"
#include "exact/reduction.h"

namespace velmora {
namespace {

using namespace testing_support;

// Both reductions bring A to its one echelon form, keep the row space and
// replay to their result; the triangulation has swaps and additions only,
// is upper triangular and gives the oracle's determinant.
void JudgeReductions(const Grid& system) {
    const std::size_t n = system.size();
    const Grid a = Left(system, n);
    const auto ra = FromGrid<velmora::RationalMatrix>(a, n);
    const std::pair<Grid, EliminationMatrix> starts[] = {
        {system, FromGrid<EliminationMatrix>(system, n + 1)},
        {Joined(a, Identity(n)), WithIdentity(ra)}};
    for (const auto& [start, m] : starts) {
        const Reduction reduction = ReduceToEchelon(m, static_cast<int>(n));
        const Grid reduced = ToGrid(reduction.reduced);
        const std::size_t width = start[0].size();
        const Echelon oracle = ExactEchelon(start, n);
        EXPECT_EQ(Left(reduced, n), Left(oracle.reduced, n));
        EXPECT_EQ(ExactEchelon(reduced, width).reduced, ExactEchelon(start, width).reduced);
        EXPECT_EQ(Replayed(start, reduction.operations), reduced);
        std::vector<int> pivots;
        for (const std::size_t p : oracle.pivots) {
            pivots.push_back(static_cast<int>(p) + 1);
        }
        EXPECT_EQ(reduction.pivotColumns, pivots);
    }
    const Triangulation t = Triangulate(ra);
    const Grid triangular = Replayed(a, t.operations);
    EXPECT_EQ(triangular, ToGrid(t.triangular));
    int swaps = 0;
    for (const RowOperation& op : t.operations) {
        EXPECT_NE(op.kind, RowOperation::Kind::scale);
        swaps += op.kind == RowOperation::Kind::swap ? 1 : 0;
    }
    mpq_class product = swaps % 2 == 0 ? 1 : -1;
    for (std::size_t r = 0; r < n; ++r) {
        product *= triangular[r][r];
        for (std::size_t c = 0; c < r; ++c) {
            EXPECT_EQ(triangular[r][c], 0);
        }
    }
    EXPECT_EQ(swaps, t.swaps);
    EXPECT_EQ(product, ExactDeterminantOf(a));
    EXPECT_EQ(Mpq(t.determinant), product);
}

// "1<>2@1,1" a swap, "2*=1/4@1,1" a scale, "2+=-3/2*1@1,1" an addition of
// a multiple of row 1, each with its pivot's place.
std::string OperationsText(const std::vector<RowOperation>& operations) {
    std::string text;
    for (const RowOperation& op : operations) {
        text += text.empty() ? "" : "; ";
        text += std::to_string(op.target);
        if (op.kind == RowOperation::Kind::swap) {
            text += "<>";
        } else {
            text += op.kind == RowOperation::Kind::scale ? "*=" : "+=";
            text += FractionText(op.factor);
            text += op.kind == RowOperation::Kind::scale ? "" : "*";
        }
        text += op.kind == RowOperation::Kind::scale ? "" : std::to_string(op.source);
        text += "@" + std::to_string(op.pivotRow);
        text += "," + std::to_string(op.pivotColumn);
    }
    return text;
}

TEST(Reduction, FollowsThePivotRule) {
    const struct {
        std::string m;
        int n;
        std::string reduction, triangulation;
    } rows[] = {
        {"2 1 3 / 1 1 2", 2, "1<>2@1,1; 2+=-2*1@1,1; 2*=-1@2,2; 1+=-1*2@2,2",
         "1<>2@1,1; 2+=-2*1@1,1"},
        {"0 2 2 / 4 6 2", 2, "1<>2@1,1; 1*=1/4@1,1; 2*=1/2@2,2; 1+=-3/2*2@2,2", "1<>2@1,1"},
        {"0 1 1 / 0 3 1", 2, "2+=-3*1@1,2", ""},
        {"3 -1 2 / 2 4 -1 / 1 2 5", 3,
         "1<>3@1,1; 2+=-2*1@1,1; 3+=-3*1@1,1; 2<>3@2,2; 2*=-1/7@2,2; 1+=-2*2@2,2; "
         "3*=-1/11@3,3; 1+=-9/7*3@3,3; 2+=-13/7*3@3,3",
         "1<>3@1,1; 2+=-2*1@1,1; 3+=-3*1@1,1; 2<>3@2,2"},
        {"1 2 3 / 2 4 7 / 1 2 5", 3, "2+=-2*1@1,1; 3+=-1*1@1,1; 1+=-3*2@2,3; 3+=-2*2@2,3",
         "2+=-2*1@1,1; 3+=-1*1@1,1"},
    };
    for (const auto& row : rows) {
        const Grid m = Rows(row.m);
        SCOPED_TRACE(row.m);
        const auto start = FromGrid<EliminationMatrix>(m, m[0].size());
        EXPECT_EQ(OperationsText(ReduceToEchelon(start, row.n).operations), row.reduction);
        const auto a = FromGrid<velmora::RationalMatrix>(m, static_cast<std::size_t>(row.n));
        EXPECT_EQ(OperationsText(Triangulate(a).operations), row.triangulation);
    }
}

TEST(Reduction, RandomSystemsOfEveryRank) {
    ForRandomSystems(21, 4, JudgeReductions);
}

}  // namespace
}  // namespace velmora
