#include "solver/solver.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "determinant/coefficients.h"
#include "determinant/minors.h"
#include "form/reset_outputs.h"
#include "numtext/arithmetic_overflow.h"
#include "numtext/numtext.h"

namespace velmora {

namespace {

constexpr std::string_view kZeroDeterminantPrompt =
    "Inverse Matrix NOT Solvable, Check for Proportionate ROWS";
constexpr std::string_view kZeroDeterminantTitle = "ZERO Determinant";

// Within this distance a solution component is shown as the nearest whole
// number, so that 2.0000004 reads 2; it is the program's only tolerance.
constexpr double kWholeNumberTolerance = 0.000001;

// Exchanges rows j and k of the working matrix A and of the working inverse W.
void ExchangeRows(Matrix& a, Matrix& w, int n, int j, int k) {
    for (int i = 1; i <= n; ++i) {
        std::swap(a(j, i), a(k, i));
        std::swap(w(j, i), w(k, i));
    }
}

// A zero A(j, j) at the start of pivot j would scale every other row by zero
// and later divide by it: take the nearest row below with a non-zero entry in
// column j instead. False when there is none, i.e. the columns 1..j of the
// remaining rows are dependent as computed, although the cofactor expansion
// gave a non-zero determinant.
[[nodiscard]] bool PreparePivot(Matrix& a, Matrix& w, int n, int j) {
    if (a(j, j) != 0.0) {
        return true;
    }
    for (int k = j + 1; k <= n; ++k) {
        if (a(k, j) != 0.0) {
            ExchangeRows(a, w, n, j, k);
            return true;
        }
    }
    return false;
}

// One pivot step of the Gauss-Jordan elimination. Every element written is
// checked at once: an infinity could later turn into a finite, wrong number
// (1/inf = 0) and so hide the overflow.
void EliminateColumn(Matrix& a, Matrix& w, int n, int j) {
    // Scaling: every other row with a non-zero entry in column j is brought to
    // A(j, j) there; row j and rows already 0 in column j keep their values.
    for (int k = 1; k <= n; ++k) {
        double f = 1.0;
        if (k != j && a(k, j) != 0.0) {
            f = CheckFinite(a(j, j) / a(k, j));
            if (f == 0.0) {
                // The ratio lies below the double range: scaling by it would
                // wipe row k and report a regular matrix as singular.
                throw ArithmeticOverflow();
            }
        }
        for (int i = 1; i <= n; ++i) {
            a(k, i) = CheckFinite(f * a(k, i));
            w(k, i) = CheckFinite(f * w(k, i));
        }
    }
    // Subtraction: clears column j in every other row (up to rounding).
    for (int k = 1; k <= n; ++k) {
        if (k != j && a(k, j) != 0.0) {
            for (int i = 1; i <= n; ++i) {
                a(k, i) = CheckFinite(a(k, i) - a(j, i));
                w(k, i) = CheckFinite(w(k, i) - w(j, i));
            }
        }
    }
    // Look-ahead: a zero on the next pivot is mended by adding the row after
    // it. Columns before j + 1 are 0 in both rows and are not touched in A.
    // Without a row j + 2 the next pivot's row exchange has to do.
    if (j < n && a(j + 1, j + 1) == 0.0 && j + 2 <= n) {
        for (int i = j + 1; i <= n; ++i) {
            a(j + 1, i) = CheckFinite(a(j + 2, i) + a(j + 1, i));
        }
        for (int i = 1; i <= n; ++i) {
            w(j + 1, i) = CheckFinite(w(j + 2, i) + w(j + 1, i));
        }
    }
}

// Reduces A to a diagonal matrix and applies the same row operations to W,
// which starts as the identity. False when a zero pivot cannot be replaced.
[[nodiscard]] bool Eliminate(Matrix& a, Matrix& w, int n) {
    for (int j = 1; j <= n; ++j) {
        if (!PreparePivot(a, w, n, j)) {
            return false;
        }
        EliminateColumn(a, w, n, j);
    }
    return true;
}

// Divides every row of W by the diagonal element of A left in that row: W is
// then the inverse of the coefficient matrix, at full precision.
void Normalise(const Matrix& a, Matrix& w, int n) {
    for (int j = 1; j <= n; ++j) {
        const double p = CheckFinite(1.0 / a(j, j));
        for (int i = 1; i <= n; ++i) {
            w(j, i) = CheckFinite(p * w(j, i));
        }
    }
}

// x = W * y with the unrounded inverse. y is read from its fields for every
// row, as the user sees them; a component within the tolerance of a whole
// number is snapped to it.
using Solution = std::array<double, Matrix::kMaxSize>;

[[nodiscard]] Solution Solve(const Form& form, const Matrix& w, int n) {
    Solution x{};
    for (int r = 1; r <= n; ++r) {
        double s = 0.0;
        for (int c = 1; c <= n; ++c) {
            const double y = ReadNumberLenient(form.text(txtY(c)));
            const double term = CheckFinite(w(r, c) * y);
            s = CheckFinite(s + term);
        }
        const double whole = RoundHalfEven(s);
        if (std::abs(s - whole) < kWholeNumberTolerance) {
            s = whole;
        }
        x[static_cast<std::size_t>(r - 1)] = s;
    }
    return x;
}

}  // namespace

void cmdSolve_Click(Form& form, std::int16_t n, Matrix& a) {
    if (n > Matrix::kMaxSize) {
        throw std::invalid_argument("dimension above the largest grid");
    }
    // Below 1 nothing is read or inverted; the minors routine reports it.
    const int size = n < 0 ? 0 : n;

    // A is created afresh, so nothing is kept from an earlier Solve; W, the
    // working inverse, starts as the identity that the reset shows in txtIM.
    a = Matrix(size, size);
    Matrix w(size, size);

    ResetOutputs(form, n);

    // Row by row, left to right: the first refused cell is the one reported.
    for (int r = 1; r <= size; ++r) {
        for (int c = 1; c <= size; ++c) {
            a(r, c) = ReadCoefficient(form, r, c);
            w(r, c) = r == c ? 1.0 : 0.0;
        }
    }

    // The determinant shown, and the decision whether to invert, come from the
    // cofactor expansion, not from the elimination.
    double det = 0.0;
    CalcMinorMatrix(form, n, det);
    form.setText(txtDeterminant, NumberText(CheckFinite(det)));
    if (det == 0.0) {
        form.showMessage(kZeroDeterminantPrompt, kZeroDeterminantTitle);
        return;
    }

    // Nothing is written into txtIM or txtSol before the inverse and every
    // solution component are known to be finite: after an overflow, or a
    // matrix found singular by the elimination, the reset state of both grids
    // stays.
    if (!Eliminate(a, w, size)) {
        form.showMessage(kZeroDeterminantPrompt, kZeroDeterminantTitle);
        return;
    }
    Normalise(a, w, size);
    const Solution x = Solve(form, w, size);

    for (int j = 1; j <= size; ++j) {
        for (int i = 1; i <= size; ++i) {
            form.setText(txtIM(10 * j + i), ThreeDecimals(w(j, i)));
        }
    }
    for (int r = 1; r <= size; ++r) {
        form.setText(txtSol(r), NumberText(x[static_cast<std::size_t>(r - 1)]));
    }
}

}  // namespace velmora
