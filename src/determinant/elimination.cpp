#include "determinant/elimination.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

namespace velmora {

namespace {

// The agreement asked of the two eliminations, relative to the largest entry.
constexpr double kAgreement = 1e-13;

// The working inverse starts as the identity.
Matrix Identity(int n) {
    Matrix w(n, n);
    for (int i = 1; i <= n; ++i) {
        w(i, i) = 1.0;
    }
    return w;
}

bool AllFinite(const Matrix& m) {
    for (int r = 1; r <= m.rows(); ++r) {
        for (int c = 1; c <= m.cols(); ++c) {
            if (!std::isfinite(m(r, c))) {
                return false;
            }
        }
    }
    return true;
}

void ExchangeRows(Matrix& a, Matrix& w, int j, int k) {
    for (int i = 1; i <= a.cols(); ++i) {
        std::swap(a(j, i), a(k, i));
        std::swap(w(j, i), w(k, i));
    }
}

// A zero A(j, j) at the start of pivot j would scale every other row by zero
// and later divide by it: take the nearest row below with a non-zero entry in
// column j instead. False when there is none.
bool PreparePivot(Matrix& a, Matrix& w, int j) {
    if (a(j, j) != 0.0) {
        return true;
    }
    for (int k = j + 1; k <= a.rows(); ++k) {
        if (a(k, j) != 0.0) {
            ExchangeRows(a, w, j, k);
            return true;
        }
    }
    return false;
}

// One pivot step of the elimination in order. Every test against 0 is exact.
// False when a scaling factor falls below the double range: scaling by it
// would wipe a row of a regular matrix.
bool EliminateColumn(Matrix& a, Matrix& w, int j) {
    const int n = a.rows();
    // Scaling: every other row with a non-zero entry in column j is brought to
    // A(j, j) there; row j and rows already 0 in column j keep their values.
    for (int k = 1; k <= n; ++k) {
        double f = 1.0;
        if (k != j && a(k, j) != 0.0) {
            f = a(j, j) / a(k, j);
            if (f == 0.0) {
                return false;
            }
        }
        for (int i = 1; i <= n; ++i) {
            a(k, i) = f * a(k, i);
            w(k, i) = f * w(k, i);
        }
    }
    // Subtraction: clears column j in every other row (up to rounding).
    for (int k = 1; k <= n; ++k) {
        if (k != j && a(k, j) != 0.0) {
            for (int i = 1; i <= n; ++i) {
                a(k, i) = a(k, i) - a(j, i);
                w(k, i) = w(k, i) - w(j, i);
            }
        }
    }
    // Look-ahead: a zero on the next pivot is mended by adding the row after
    // it. Columns before j + 1 are 0 in both rows and are not touched in A.
    // Without a row j + 2 the next pivot's row exchange has to do.
    if (j < n && a(j + 1, j + 1) == 0.0 && j + 2 <= n) {
        for (int i = j + 1; i <= n; ++i) {
            a(j + 1, i) = a(j + 2, i) + a(j + 1, i);
        }
        for (int i = 1; i <= n; ++i) {
            w(j + 1, i) = w(j + 2, i) + w(j + 1, i);
        }
    }
    return true;
}

double LargestMagnitude(const Matrix& m) {
    double largest = 0.0;
    for (int r = 1; r <= m.rows(); ++r) {
        for (int c = 1; c <= m.cols(); ++c) {
            largest = std::max(largest, std::abs(m(r, c)));
        }
    }
    return largest;
}

double LargestMagnitude(const Vector& v) {
    double largest = 0.0;
    for (int i = 1; i <= v.size(); ++i) {
        largest = std::max(largest, std::abs(v(i)));
    }
    return largest;
}

// The 1-norm: the largest column sum of magnitudes.
double NormOne(const Matrix& m) {
    double norm = 0.0;
    for (int c = 1; c <= m.cols(); ++c) {
        double sum = 0.0;
        for (int r = 1; r <= m.rows(); ++r) {
            sum += std::abs(m(r, c));
        }
        norm = std::max(norm, sum);
    }
    return norm;
}

bool Agree(const Matrix& p, const Matrix& q) {
    const double scale = std::max(LargestMagnitude(p), LargestMagnitude(q));
    for (int r = 1; r <= p.rows(); ++r) {
        for (int c = 1; c <= p.cols(); ++c) {
            if (!(std::abs(p(r, c) - q(r, c)) <= kAgreement * scale)) {
                return false;
            }
        }
    }
    return true;
}

bool Agree(const Vector& p, const Vector& q) {
    const double scale = std::max(LargestMagnitude(p), LargestMagnitude(q));
    for (int i = 1; i <= p.size(); ++i) {
        if (!(std::abs(p(i) - q(i)) <= kAgreement * scale)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<Matrix> InvertInOrder(const Matrix& a) {
    const int n = a.rows();
    Matrix reduced = a;
    Matrix w = Identity(n);
    // An infinity is caught after the step that made it: within one step it
    // can only stay infinite or become NaN, but a later 1/inf would be 0.
    for (int j = 1; j <= n; ++j) {
        if (!PreparePivot(reduced, w, j) || !EliminateColumn(reduced, w, j) ||
            !AllFinite(reduced) || !AllFinite(w)) {
            return std::nullopt;
        }
    }
    // Normalisation: every row of W divided by the diagonal element left in it.
    for (int j = 1; j <= n; ++j) {
        const double p = 1.0 / reduced(j, j);
        for (int i = 1; i <= n; ++i) {
            w(j, i) = p * w(j, i);
        }
    }
    if (!AllFinite(w)) {
        return std::nullopt;
    }
    return w;
}

PivotedInverse InvertPivoted(const Matrix& a) {
    const int n = a.rows();
    // Row scaling by exact powers of two: rows of very different magnitude
    // are not taken for dependent, and nothing below can overflow for a
    // matrix that is regular to working precision.
    PivotedInverse result;
    std::array<int, Matrix::kMaxSize + 1>& exponent = result.rowExponent;
    Matrix scaled(n, n);
    for (int r = 1; r <= n; ++r) {
        double largest = 0.0;
        for (int c = 1; c <= n; ++c) {
            largest = std::max(largest, std::abs(a(r, c)));
        }
        if (largest == 0.0) {
            return {};
        }
        exponent.at(r) = std::ilogb(largest);
        for (int c = 1; c <= n; ++c) {
            scaled(r, c) = std::ldexp(a(r, c), -exponent.at(r));
        }
    }

    Matrix u = scaled;
    Matrix w = Identity(n);
    for (int j = 1; j <= n; ++j) {
        int pivot = j;
        for (int k = j + 1; k <= n; ++k) {
            if (std::abs(u(k, j)) > std::abs(u(pivot, j))) {
                pivot = k;
            }
        }
        if (u(pivot, j) == 0.0) {
            return {};
        }
        ExchangeRows(u, w, j, pivot);
        const double p = u(j, j);
        for (int i = 1; i <= n; ++i) {
            u(j, i) /= p;
            w(j, i) /= p;
        }
        for (int k = 1; k <= n; ++k) {
            const double f = u(k, j);
            if (k == j || f == 0.0) {
                continue;
            }
            for (int i = 1; i <= n; ++i) {
                u(k, i) -= f * u(j, i);
                w(k, i) -= f * w(j, i);
            }
        }
    }
    const double condition = NormOne(scaled) * NormOne(w);
    if (!AllFinite(w) || !std::isfinite(condition)) {
        return {};
    }

    // A = D^-1 S for the scaling D, so A^-1 = S^-1 D: column r of the scaled
    // inverse takes row r's power of two.
    result.rcond = 1.0 / condition;
    result.scaledInverse = w;
    Matrix& inverse = result.inverse.emplace(w);
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            inverse(r, c) = std::ldexp(w(r, c), -exponent.at(c));
        }
    }
    if (!AllFinite(inverse)) {
        result.inverse.reset();
    }
    return result;
}

bool IsSingularToWorkingPrecision(double rcond, int n) {
    return rcond < n * std::numeric_limits<double>::epsilon();
}

Inversion Invert(const Matrix& a) {
    return {InvertInOrder(a), InvertPivoted(a)};
}

std::optional<Vector> Multiply(const Matrix& w, const Vector& y) {
    Vector x(y.size());
    for (int r = 1; r <= y.size(); ++r) {
        double s = 0.0;
        for (int c = 1; c <= y.size(); ++c) {
            s = s + w(r, c) * y(c);
            if (!std::isfinite(s)) {
                return std::nullopt;
            }
        }
        x(r) = s;
    }
    return x;
}

std::optional<Vector> PivotedInverse::solve(const Vector& y) const {
    Vector scaled(y.size());
    for (int r = 1; r <= y.size(); ++r) {
        scaled(r) = std::ldexp(y(r), -rowExponent.at(r));
    }
    return Multiply(scaledInverse, scaled);
}

std::optional<LinearSolution> SolveWith(const Inversion& inversion, const Vector& y) {
    const std::optional<Matrix>& checked = inversion.pivoted.inverse;
    if (!checked) {
        return std::nullopt;
    }
    const std::optional<Vector> x = inversion.pivoted.solve(y);
    if (inversion.inOrder && Agree(*inversion.inOrder, *checked)) {
        const std::optional<Vector> xInOrder = Multiply(*inversion.inOrder, y);
        if (xInOrder && x && Agree(*xInOrder, *x)) {
            return LinearSolution{*inversion.inOrder, *xInOrder, false};
        }
    }
    if (!x) {
        return std::nullopt;
    }
    return LinearSolution{*checked, *x, true};
}

}  // namespace velmora
