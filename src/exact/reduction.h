#pragma once

// Gauss-Jordan reduction to reduced row echelon form and triangulation for
// the determinant, in exact rationals, each recording its row operations as
// values so that every step can be shown and checked by replaying it.
//
// One pivot rule serves both: in the pivot column, among the rows not yet
// used, the first entry equal to 1 or -1, otherwise the first non-zero
// entry. That row is swapped up if it is not the next row, and then each
// other row with a non-zero entry in the column is cleared, one row
// operation per row, top to bottom.

#include <vector>

#include "exact/exact_matrix.h"

namespace velmora {

// A matrix being eliminated: up to 6 rows and 12 columns, enough for
// [A | y] and [A | I].
using EliminationMatrix = BasicMatrix<Rational, 2 * kMaxDimension>;

[[nodiscard]] EliminationMatrix Widened(const RationalMatrix& a);
[[nodiscard]] EliminationMatrix Augmented(const RationalMatrix& a, const RationalVector& y);
[[nodiscard]] EliminationMatrix WithIdentity(const RationalMatrix& a);

// One elementary row operation, rows numbered from 1:
//   swap:        R(target) <-> R(source)
//   scale:       R(target) <- factor * R(target)          (source == target)
//   addMultiple: R(target) <- R(target) + factor * R(source)
// factor is 0 for a swap. The pivot is the entry the operation works for, at
// its place after the operation.
struct RowOperation {
    enum class Kind { swap, scale, addMultiple };
    Kind kind = Kind::swap;
    int target = 0;
    int source = 0;
    Rational factor;
    int pivotRow = 0;
    int pivotColumn = 0;
};

// The operation done on m in place. Precondition: its rows exist in m.
void ApplyRowOperation(const RowOperation& operation, EliminationMatrix& m);

struct Reduction {
    EliminationMatrix reduced{0, 0};       // in reduced row echelon form in its pivot columns
    std::vector<RowOperation> operations;  // in order, from the start matrix to `reduced`
    std::vector<int> pivotColumns;         // increasing; the i-th pivot is in row i

    [[nodiscard]] int rank() const noexcept { return static_cast<int>(pivotColumns.size()); }
};

// Gauss-Jordan reduction of m with pivots sought in its first pivotColumns
// columns only (the columns of A in [A | y]): each pivot row is scaled so
// that its pivot is 1 (no operation when it already is), and the pivot's
// column cleared above and below.
[[nodiscard]] Reduction ReduceToEchelon(EliminationMatrix m, int pivotColumns);

struct Triangulation {
    EliminationMatrix triangular{0, 0};    // upper triangular
    std::vector<RowOperation> operations;  // swaps and additions of multiples only
    int swaps = 0;
    // (-1)^swaps times the product of the diagonal of `triangular`.
    Rational determinant;
};

// Elimination of a square matrix to upper triangular form by swaps and
// additions of multiples only: the pivot of column k goes to row k and the
// column is cleared below it. A column without a pivot leaves a 0 on the
// diagonal and the elimination goes on with the next.
[[nodiscard]] Triangulation Triangulate(const RationalMatrix& a);

}  // namespace velmora
