#pragma once

#include <cstdint>

#include "form/form.h"

namespace velmora {

// The "Solve" command for the n x n system in the window's fields. Shows the
// zero-determinant and the singular-matrix messages itself. Throws
// CoefficientError (after the reset) or ArithmeticOverflow for the window's
// handler to report: an overflow in the grid of minors leaves every result
// reset, a later one keeps the determinant and the grid and leaves txtIM and
// txtSol as the reset wrote them. n above 6 is refused with
// std::invalid_argument; below 1 only the minors routine's message follows.
void cmdSolve_Click(Form& form, std::int16_t n);

}  // namespace velmora
