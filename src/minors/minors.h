#pragma once

// The lower-left grid txtMinMat: the matrix of sub-determinants
// ("Determinants", optMat(0)) or of signed Laplace terms ("Minors",
// optMat(1)) of the coefficient matrix, and its determinant.

#include <cstdint>
#include <string_view>

#include "form/form.h"
#include "form/messages.h"

namespace velmora {

// Label3's captions for the two options.

// Fills the n x n grid (and, for n >= 3, the hidden row and column boxes)
// from the coefficient fields and stores the determinant into det. Every
// coefficient is checked before the grid is touched. An n outside 1..6 is
// reported in a message box and nothing is written or stored. Throws
// CoefficientError or ArithmeticOverflow; cells written before an overflow
// stay, and det keeps the caller's value.
void CalcMinorMatrix(Form& form, std::int16_t n, double& det);

// The option buttons' click: sets Label3's caption for `index` (0 or 1) and
// refreshes the grid; the determinant is discarded. On a refused coefficient
// or an overflow the n x n grid is left empty and the error is rethrown.
void optMat_Click(Form& form, std::int16_t n, int index);

}  // namespace velmora
