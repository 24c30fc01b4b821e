// The pivot rule of the reduction and the triangulation, operation by
// operation with each pivot's place. That the operations replay to the
// right matrices the steps' test checks over many systems.

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "echelon_oracle.h"
#include "exact/reduction.h"

namespace velmora {
namespace {

using namespace testing_support;

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

}  // namespace
}  // namespace velmora
