#include "exact/exact_matrix.h"

#include <gmpxx.h>

#include <cassert>
#include <cstddef>
#include <utility>
#include <vector>

#include "exact/gmp_rational.h"

namespace velmora {

namespace {

using IntegerRows = std::vector<std::vector<mpz_class>>;

// Brings a row with a non-zero entry in column k to row k, exchanging it with
// the first such row below and flipping `sign`; false when there is none.
bool NonZeroPivot(IntegerRows& m, std::size_t k, int& sign) {
    if (m[k][k] != 0) {
        return true;
    }
    for (std::size_t p = k + 1; p < m.size(); ++p) {
        if (m[p][k] != 0) {
            std::swap(m[k], m[p]);
            sign = -sign;
            return true;
        }
    }
    return false;
}

// One step of fraction-free elimination, in place and without temporaries:
// x = (x * pivot - left * above) / previous, the division exact.
void Eliminate(mpz_class& x, const mpz_class& pivot, const mpz_class& left, const mpz_class& above,
               const mpz_class& previous) {
    mpz_mul(x.get_mpz_t(), x.get_mpz_t(), pivot.get_mpz_t());
    mpz_submul(x.get_mpz_t(), left.get_mpz_t(), above.get_mpz_t());
    mpz_divexact(x.get_mpz_t(), x.get_mpz_t(), previous.get_mpz_t());
}

// Fraction-free (Bareiss) elimination of a square integer matrix, exchanging
// rows at a zero pivot: every intermediate value is a minor of the matrix,
// so every division is exact.
mpz_class BareissDeterminant(IntegerRows m) {
    const std::size_t n = m.size();
    if (n == 0) {
        return 1;
    }
    int sign = 1;
    mpz_class previous = 1;
    for (std::size_t k = 0; k + 1 < n; ++k) {
        if (!NonZeroPivot(m, k, sign)) {
            return 0;
        }
        for (std::size_t i = k + 1; i < n; ++i) {
            for (std::size_t j = k + 1; j < n; ++j) {
                Eliminate(m[i][j], m[k][k], m[i][k], m[k][j], previous);
            }
        }
        previous = m[k][k];
    }
    return sign * m[n - 1][n - 1];
}

IntegerRows WithoutRowAndColumn(const IntegerRows& b, std::size_t row, std::size_t column) {
    IntegerRows minor;
    minor.reserve(b.size() - 1);
    for (std::size_t i = 0; i < b.size(); ++i) {
        if (i == row) {
            continue;
        }
        std::vector<mpz_class>& out = minor.emplace_back();
        out.reserve(b.size() - 1);
        for (std::size_t j = 0; j < b.size(); ++j) {
            if (j != column) {
                out.push_back(b[i][j]);
            }
        }
    }
    return minor;
}

// Fraction-free Gauss-Jordan elimination of [B | I]: after the step of pivot
// k every entry is a (k+1)-rowed minor of the start, so every division is
// exact, and at the end the left half is d*I and the right half d*B^-1,
// with d the determinant of B up to the sign of the row exchanges. Returns
// that sign, or 0 when B is singular.
int AdjugateElimination(IntegerRows& m) {
    const std::size_t n = m.size();
    const std::size_t width = 2 * n;
    int sign = 1;
    mpz_class previous = 1;
    for (std::size_t k = 0; k < n; ++k) {
        if (!NonZeroPivot(m, k, sign)) {
            return 0;
        }
        const mpz_class& pivot = m[k][k];
        for (std::size_t i = 0; i < n; ++i) {
            if (i == k) {
                continue;
            }
            for (std::size_t j = 0; j < width; ++j) {
                if (j == k) {
                    continue;
                }
                Eliminate(m[i][j], pivot, m[i][k], m[k][j], previous);
            }
            m[i][k] = 0;
        }
        previous = pivot;
    }
    return sign;
}

Rational Quotient(const mpz_class& numerator, const mpz_class& denominator) {
    mpq_class q(numerator, denominator);
    q.canonicalize();
    return ToRational(std::move(q));
}

}  // namespace

MatrixAnalysis Analyse(const RationalMatrix& a) {
    const int n = a.rows();
    assert(n >= 1 && n == a.cols());
    const auto size = static_cast<std::size_t>(n);

    // Row r times the least common multiple s(r) of its denominators: B = S*A.
    std::vector<mpz_class> scale(size, 1);
    IntegerRows b(size, std::vector<mpz_class>(size));
    mpz_class scaleProduct = 1;
    for (std::size_t r = 0; r < size; ++r) {
        for (int c = 1; c <= n; ++c) {
            const mpz_class& den = MpqOf(a(static_cast<int>(r) + 1, c)).get_den();
            mpz_lcm(scale[r].get_mpz_t(), scale[r].get_mpz_t(), den.get_mpz_t());
        }
        for (std::size_t c = 0; c < size; ++c) {
            const mpq_class& q = MpqOf(a(static_cast<int>(r) + 1, static_cast<int>(c) + 1));
            b[r][c] = q.get_num() * (scale[r] / q.get_den());
        }
        scaleProduct *= scale[r];
    }

    IntegerRows m(size, std::vector<mpz_class>(2 * size));
    for (std::size_t r = 0; r < size; ++r) {
        for (std::size_t c = 0; c < size; ++c) {
            m[r][c] = b[r][c];
        }
        m[r][size + r] = 1;
    }
    const int sign = AdjugateElimination(m);

    MatrixAnalysis result;
    result.subDeterminants = RationalMatrix(n, n);
    // The sub-determinant of A without row r is that of B over the product
    // of the other rows' scales.
    const auto subDeterminant = [&](std::size_t r, const mpz_class& ofB) {
        return Quotient(ofB * scale[r], scaleProduct);
    };
    if (sign == 0) {
        for (std::size_t r = 0; r < size; ++r) {
            for (std::size_t c = 0; c < size; ++c) {
                result.subDeterminants(static_cast<int>(r) + 1, static_cast<int>(c) + 1) =
                    subDeterminant(r, BareissDeterminant(WithoutRowAndColumn(b, r, c)));
            }
        }
        return result;
    }

    // adj(B) = det(B) * B^-1 = sign * (right half), and the sub-determinant
    // of B without row r and column c is (-1)^(r+c) * adj(B)(c, r).
    const mpz_class d = m[0][0];
    result.determinant = Quotient(sign * d, scaleProduct);
    RationalMatrix inverse(n, n);
    for (std::size_t r = 0; r < size; ++r) {
        for (std::size_t c = 0; c < size; ++c) {
            const int alternating = (r + c) % 2 == 0 ? sign : -sign;
            result.subDeterminants(static_cast<int>(r) + 1, static_cast<int>(c) + 1) =
                subDeterminant(r, alternating * m[c][size + r]);
            // A^-1 = B^-1 * S.
            inverse(static_cast<int>(r) + 1, static_cast<int>(c) + 1) =
                Quotient(m[r][size + c] * scale[c], d);
        }
    }
    result.inverse = std::move(inverse);
    return result;
}

RationalVector Multiply(const RationalMatrix& w, const RationalVector& y) {
    assert(w.rows() == w.cols() && w.cols() == y.size());
    RationalVector x(y.size());
    mpq_class sum;
    for (int r = 1; r <= w.rows(); ++r) {
        sum = 0;
        for (int c = 1; c <= w.cols(); ++c) {
            sum += MpqOf(w(r, c)) * MpqOf(y(c));
        }
        x(r) = ToRational(sum);
    }
    return x;
}

}  // namespace velmora
