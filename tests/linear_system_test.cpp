// A system's answer and its words against the tests' own exact
// elimination: the ranks, A p = y and A v = 0 in the canonical form of the
// free unknowns, and the certificate as the oracle's own echelon basis of
// the left null space gives it.

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "echelon_oracle.h"
#include "exact/answer_text.h"
#include "exact/linear_system.h"
#include "system_table.h"

namespace velmora {
namespace {

using namespace testing_support;

mpq_class Inner(const Column& u, const Column& v) {
    mpq_class sum = 0;
    for (std::size_t i = 0; i < u.size(); ++i) {
        sum += u[i] * v[i];
    }
    return sum;
}

// A x, or x A for `left`.
Column Times(const Grid& a, const Column& x, bool left) {
    Column out(a.size(), 0);
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < a.size(); ++j) {
            out[i] += left ? x[j] * a[j][i] : a[i][j] * x[j];
        }
    }
    return out;
}

Column ToColumn(const velmora::RationalVector& v) {
    Column out;
    for (int i = 1; i <= v.size(); ++i) {
        out.push_back(Mpq(v(i)));
    }
    return out;
}

// The first vector w of the left null space's echelon basis with w y != 0,
// made whole and primitive.
Column OracleCertificate(const Grid& a, const Column& y, std::size_t rank) {
    const std::size_t n = a.size();
    const Grid full = ExactEchelon(Joined(a, Identity(n)), 2 * n).reduced;
    for (std::size_t r = rank; r < n; ++r) {
        Column w(full[r].begin() + static_cast<std::ptrdiff_t>(n), full[r].end());
        mpz_class multiple = 1, divisor = 0;
        for (std::size_t j = 0; j < n; ++j) {
            multiple = lcm(multiple, w[j].get_den());
            divisor = gcd(divisor, w[j].get_num());
        }
        for (mpq_class& x : w) {
            x = x * multiple / divisor;
        }
        if (Inner(w, y) != 0) {
            return w;
        }
    }
    return {};
}

// Solves [A | y] through the code and judges every part of its answer.
SystemAnswer Judge(const Grid& system) {
    const std::size_t n = system.size();
    const Grid a = Left(system, n);
    Column y;
    for (const Column& row : system) {
        y.push_back(row[n]);
    }
    const auto m = FromGrid<EliminationMatrix>(system, n + 1);
    velmora::RationalVector ry(static_cast<int>(n));
    for (int r = 1; r <= ry.size(); ++r) {
        ry(r) = m(r, m.cols());
    }
    SystemAnswer answer = SolveSystem(FromGrid<velmora::RationalMatrix>(a, n), ry);
    const std::vector<std::size_t> pivots = ExactEchelon(a, n).pivots;
    const std::size_t rank = pivots.size();
    EXPECT_EQ(static_cast<std::size_t>(answer.rankA), rank);
    EXPECT_EQ(static_cast<std::size_t>(answer.rankAugmented),
              ExactEchelon(system, n + 1).pivots.size());
    if (answer.rankAugmented > answer.rankA) {
        EXPECT_EQ(answer.kind, SystemAnswer::Kind::none);
        const Column w = ToColumn(answer.certificate);
        EXPECT_EQ(w, OracleCertificate(a, y, rank));
        EXPECT_EQ(Times(a, w, true), Column(n, 0));
        EXPECT_NE(Mpq(answer.certificateValue), 0);
        EXPECT_EQ(Mpq(answer.certificateValue), Inner(w, y));
        return answer;
    }
    EXPECT_EQ(answer.kind,
              rank == n ? SystemAnswer::Kind::unique : SystemAnswer::Kind::infinitelyMany);
    EXPECT_EQ(Times(a, ToColumn(answer.particular), false), y);
    std::vector<int> free;
    for (std::size_t c = 0, p = 0; c < n; ++c) {
        if (p < rank && pivots[p] == c) {
            ++p;
        } else {
            free.push_back(static_cast<int>(c) + 1);
        }
    }
    EXPECT_EQ(answer.freeColumns, free);
    EXPECT_EQ(answer.directions.size(), free.size());
    for (std::size_t i = 0; i < answer.directions.size(); ++i) {
        EXPECT_EQ(Times(a, ToColumn(answer.directions[i]), false), Column(n, 0));
        for (std::size_t j = 0; j < free.size(); ++j) {
            EXPECT_EQ(answer.directions[i](free[j]), Rational(i == j ? 1 : 0));
            EXPECT_TRUE(answer.particular(free[j]).isZero());
        }
    }
    return answer;
}

TEST(SolveSystem, AnswersEverySystemInItsCanonicalForm) {
    for (const TableSystem& row : kSystems) {
        SCOPED_TRACE(row.a + " | " + row.y);
        const Grid system = Joined(Rows(row.a), {Rows(row.y)[0]});
        const SystemAnswer answer = Judge(system);
        EXPECT_EQ(AnswerText(answer), row.answer);
        std::string solution;
        for (const std::string& text : SolutionTexts(answer)) {
            solution += (solution.empty() || text.empty() ? "" : " ") + text;
        }
        EXPECT_EQ(solution, row.solution);
    }
    EXPECT_EQ(SingularInverseText(2, 3), "A is singular (rank 2 of 3).");
}

TEST(SolveSystem, RandomSystemsOfEveryRank) {
    int kinds[3] = {};
    ForRandomSystems(22, 6,
                     [&](const Grid& system) { ++kinds[static_cast<int>(Judge(system).kind)]; });
    EXPECT_GT(kinds[0], 0);
    EXPECT_GT(kinds[1], 0);
    EXPECT_GT(kinds[2], 0);
}

}  // namespace
}  // namespace velmora
