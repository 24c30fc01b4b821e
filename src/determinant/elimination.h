#pragma once

// The inverse of the coefficient matrix and the solution of A x = y. The
// window's own Gauss-Jordan elimination without row exchanges gives the
// numbers the user has always seen; a second elimination with partial
// pivoting checks them, decides whether the matrix is singular to working
// precision, and takes their place where they are not accurate. Pure
// functions of their arguments: they throw nothing.

#include <array>
#include <optional>

#include "determinant/matrix.h"

namespace velmora {

// The elimination without row exchanges: scaling every other row to the
// pivot, subtracting the pivot row, and adding the row after next to a next
// pivot that has become 0; a pivot that is exactly 0 when its step begins is
// exchanged with the nearest row below that is not 0 in its column. Returns
// the inverse, or nothing when the procedure cannot go on: a zero pivot with
// no row to exchange, a scaling factor below the double range, or any value
// beyond it.
[[nodiscard]] std::optional<Matrix> InvertInOrder(const Matrix& a);

// Gauss-Jordan elimination with partial pivoting on S = D A, A with each row
// scaled by a power of two so that its largest entry lies in [1, 2).
struct PivotedInverse {
    // The reciprocal 1-norm condition number of S, from its computed
    // inverse; 0 when a pivot is 0 or a value leaves the double range, i.e.
    // the matrix is singular as computed.
    double rcond = 0.0;
    // A's inverse, S^-1 D; nothing when A is singular or the inverse's
    // entries lie beyond the double range.
    std::optional<Matrix> inverse;
    Matrix scaledInverse{0, 0};                           // S^-1
    std::array<int, Matrix::kMaxSize + 1> rowExponent{};  // D(r, r) = 2^-rowExponent[r]

    // A^-1 y as S^-1 (D y): the powers of two go into y, so that no entry of
    // the inverse loses digits below the normal range. Nothing when a value
    // leaves the double range.
    [[nodiscard]] std::optional<Vector> solve(const Vector& y) const;
};
[[nodiscard]] PivotedInverse InvertPivoted(const Matrix& a);

// Below n times the machine epsilon the inverse has no correct digit to show.
[[nodiscard]] bool IsSingularToWorkingPrecision(double rcond, int n);

// Both eliminations of one matrix.
struct Inversion {
    std::optional<Matrix> inOrder;
    PivotedInverse pivoted;

    [[nodiscard]] bool singular(int n) const {
        return IsSingularToWorkingPrecision(pivoted.rcond, n);
    }
};
[[nodiscard]] Inversion Invert(const Matrix& a);

// What the window shows: the inverse and the unrounded solution W y.
struct LinearSolution {
    Matrix inverse;
    Vector x;
    bool pivoted = false;  // the check replaced the elimination in order
};

// The elimination in order where it agrees with the pivoted one to about
// 1E-13 of the largest entry, in the inverse and in the solution; otherwise
// the pivoted inverse and its solution. Nothing when the shown values would
// lie beyond the double range. Precondition: !inversion.singular(n).
[[nodiscard]] std::optional<LinearSolution> SolveWith(const Inversion& inversion, const Vector& y);

// W y, each term and partial sum in the order of the columns; nothing when a
// value leaves the double range.
[[nodiscard]] std::optional<Vector> Multiply(const Matrix& w, const Vector& y);

}  // namespace velmora
