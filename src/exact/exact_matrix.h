#pragma once

// The exact results of a coefficient matrix: its determinant, every
// sub-determinant and, when it is regular, its inverse.

#include <optional>

#include "exact/rational.h"
#include "matrix/matrix.h"

namespace velmora {

using RationalMatrix = BasicMatrix<Rational>;
using RationalVector = BasicVector<Rational>;
using ShownMatrix = BasicMatrix<ShownNumber>;
using ShownVector = BasicVector<ShownNumber>;

struct MatrixAnalysis {
    Rational determinant;
    // D(r, c): the determinant of the matrix without row r and column c
    // (1 for a 1 x 1 matrix, whose sub-matrix is empty).
    RationalMatrix subDeterminants{0, 0};
    std::optional<RationalMatrix> inverse;  // none when the determinant is 0
};

// For a square matrix of size 1 to 6. The rows are scaled to integers and
// reduced by fraction-free Gauss-Jordan elimination, which gives the
// determinant and the adjugate, and so every sub-determinant, at once; a
// singular matrix has each sub-determinant eliminated on its own.
[[nodiscard]] MatrixAnalysis Analyse(const RationalMatrix& a);

// w * y for a square w and a y of its size.
[[nodiscard]] RationalVector Multiply(const RationalMatrix& w, const RationalVector& y);

}  // namespace velmora
