#include "exact/linear_system.h"

#include <gmpxx.h>

#include <cassert>
#include <cstddef>

#include "exact/gmp_rational.h"

namespace velmora {

namespace {

// The rational vector v as the whole numbers of the same direction without
// common factor: times the least common multiple of its denominators, over
// the greatest common divisor of the numerators.
RationalVector Whole(const RationalVector& v) {
    mpz_class multiple = 1;
    mpz_class divisor = 0;
    for (int i = 1; i <= v.size(); ++i) {
        const mpq_class& q = MpqOf(v(i));
        mpz_lcm(multiple.get_mpz_t(), multiple.get_mpz_t(), q.get_den_mpz_t());
        mpz_gcd(divisor.get_mpz_t(), divisor.get_mpz_t(), q.get_num_mpz_t());
    }
    // gcd(numerators) / lcm(denominators) divides every entry to a whole number.
    mpq_class factor(multiple, divisor);
    factor.canonicalize();
    RationalVector whole(v.size());
    for (int i = 1; i <= v.size(); ++i) {
        whole(i) = ToRational(MpqOf(v(i)) * factor);
    }
    return whole;
}

Rational Dot(const RationalVector& w, const RationalVector& y) {
    mpq_class sum;
    for (int i = 1; i <= w.size(); ++i) {
        sum += MpqOf(w(i)) * MpqOf(y(i));
    }
    return ToRational(sum);
}

// The rank of [A | y] from the reduction with pivots in A's columns only: one
// more than A's when a row without a pivot keeps a non-zero right-hand side.
int AugmentedRank(const Reduction& reduction, int n) {
    for (int r = reduction.rank() + 1; r <= n; ++r) {
        if (!reduction.reduced(r, n + 1).isZero()) {
            return reduction.rank() + 1;
        }
    }
    return reduction.rank();
}

// The rows of the reduced row echelon form of [A | I] (pivots in every
// column) without a pivot in A have their I part in reduced row echelon
// form too: the one basis of the left null space that depends on A alone.
void Certify(const RationalMatrix& a, const RationalVector& y, SystemAnswer& answer) {
    const int n = a.rows();
    const Reduction full = ReduceToEchelon(WithIdentity(a), 2 * n);
    for (int r = answer.rankA + 1; r <= n; ++r) {
        RationalVector w(n);
        for (int j = 1; j <= n; ++j) {
            w(j) = full.reduced(r, n + j);
        }
        if (!Dot(w, y).isZero()) {
            answer.certificate = Whole(w);
            answer.certificateValue = Dot(answer.certificate, y);
            return;
        }
    }
    assert(false && "an inconsistent system has a certificate");
}

}  // namespace

SystemAnswer AnswerFromReduction(const RationalMatrix& a, const RationalVector& y,
                                 const Reduction& reduction) {
    const int n = a.rows();
    assert(n == a.cols() && n == y.size() && reduction.reduced.cols() == n + 1);
    SystemAnswer answer;
    answer.rankA = reduction.rank();
    answer.rankAugmented = AugmentedRank(reduction, n);
    if (answer.rankAugmented > answer.rankA) {
        answer.kind = SystemAnswer::Kind::none;
        Certify(a, y, answer);
        return answer;
    }
    answer.kind =
        answer.rankA == n ? SystemAnswer::Kind::unique : SystemAnswer::Kind::infinitelyMany;
    const std::vector<int>& pivots = reduction.pivotColumns;
    answer.particular = RationalVector(n);
    for (std::size_t i = 0; i < pivots.size(); ++i) {
        answer.particular(pivots[i]) = reduction.reduced(static_cast<int>(i) + 1, n + 1);
    }
    std::size_t next = 0;  // the first pivot column not below c
    for (int c = 1; c <= n; ++c) {
        if (next < pivots.size() && pivots[next] == c) {
            ++next;
            continue;
        }
        // Pivot row i reads x(pivot i) + R(i, c) x(c) + ... = R(i, n + 1).
        RationalVector& v = answer.directions.emplace_back(n);
        v(c) = Rational(1);
        for (std::size_t i = 0; i < next; ++i) {
            v(pivots[i]) = -reduction.reduced(static_cast<int>(i) + 1, c);
        }
        answer.freeColumns.push_back(c);
    }
    return answer;
}

SystemAnswer SolveSystem(const RationalMatrix& a, const RationalVector& y) {
    return AnswerFromReduction(a, y, ReduceToEchelon(Augmented(a, y), a.cols()));
}

}  // namespace velmora
