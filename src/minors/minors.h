#pragma once

// The lower-left grid txtMinMat: the matrix of sub-determinants
// ("Determinants", optMat(0)) or of signed Laplace terms ("Minors",
// optMat(1)) of the coefficient matrix, and its determinant, all exact.

#include <cstdint>
#include <optional>

#include "exact/exact_matrix.h"
#include "form/form.h"
#include "minors/coefficients.h"

namespace velmora {

// What one run hands back: the exact values the grid shows, with their
// texts, the determinant, and the inverse that the same elimination gave
// (none when the determinant is 0).
struct MinorResults {
    ShownMatrix grid{0, 0};
    Rational determinant;
    std::optional<RationalMatrix> inverse;
};

// Fills the n x n grid (and, for n >= 3, the hidden row and column boxes)
// from the coefficient fields and stores its results into `out`. Every
// coefficient is read before the grid is touched: the first one refused is
// returned, and nothing is written or stored. An n outside 1..6 is reported
// in a message box, and nothing is written or stored either.
[[nodiscard]] std::optional<CellProblem> CalcMinorMatrix(Form& form, std::int16_t n,
                                                         MinorResults& out);

// The option buttons' click: sets Label3's caption for `index` (0 or 1) and
// refreshes the grid, whose values it stores into `out`; the caller keeps
// the determinant of its last Solve. On a refused coefficient the n x n
// grid is left empty.
[[nodiscard]] std::optional<CellProblem> optMat_Click(Form& form, std::int16_t n, int index,
                                                      MinorResults& out);

}  // namespace velmora
