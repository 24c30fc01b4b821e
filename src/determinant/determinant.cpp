#include "determinant/determinant.h"

#include "determinant/arithmetic_overflow.h"

namespace velmora {

namespace {

// Laplace expansion along row 1 of the top-left k x k block, with `inner`
// the routine for size k - 1. Every minor is evaluated, also where M(1, j)
// is 0, and the terms are added in column order starting from 0, so that
// the result is the same to the last bit on every run.
template <int k>
double ExpandAlongRow1(const Matrix& m, double (*inner)(const Matrix&)) {
    Matrix s(k - 1, k - 1);
    double sum = 0.0;
    for (int j = 1; j <= k; ++j) {
        // Rows 2..k of m with column j left out, filled completely first.
        for (int p = 1; p <= k - 1; ++p) {
            for (int q = 1; q <= k - 1; ++q) {
                s(p, q) = q < j ? m(p + 1, q) : m(p + 1, q + 1);
            }
        }
        const double d = inner(s);
        const double sign = j % 2 == 1 ? 1.0 : -1.0;
        const double t = CheckFinite(d * m(1, j)) * sign;
        sum = sum + t;
    }
    // The terms are finite, but their sum need not be.
    return CheckFinite(sum);
}

}  // namespace

double Deter22(const Matrix& m) {
    return CheckFinite((m(2, 2) * m(1, 1)) - (m(2, 1) * m(1, 2)));
}

// The rule of Sarrus: each product is formed row 1 x row 2, then x row 3.
double Deter33(const Matrix& m) {
    const double p1 = CheckFinite((m(1, 1) * m(2, 2)) * m(3, 3));
    const double p2 = CheckFinite((m(1, 2) * m(2, 3)) * m(3, 1));
    const double p3 = CheckFinite((m(1, 3) * m(2, 1)) * m(3, 2));
    const double p4 = CheckFinite((m(1, 1) * m(2, 3)) * m(3, 2));
    const double p5 = CheckFinite((m(1, 2) * m(2, 1)) * m(3, 3));
    const double p6 = CheckFinite((m(1, 3) * m(2, 2)) * m(3, 1));
    return CheckFinite(((((p1 + p2) + p3) - p4) - p5) - p6);
}

double Deter44(const Matrix& m) {
    return ExpandAlongRow1<4>(m, &Deter33);
}

double Deter55(const Matrix& m) {
    return ExpandAlongRow1<5>(m, &Deter44);
}

}  // namespace velmora
