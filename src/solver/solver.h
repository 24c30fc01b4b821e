#pragma once

#include <cstdint>

#include "determinant/matrix.h"
#include "form/form.h"

namespace velmora {

// The "Solve" command for the n x n system in the window's fields. `a` is the
// window's working matrix, replaced by every run. Shows the zero-determinant
// message itself, also for a matrix that the elimination finds singular
// although its cofactor determinant is not 0. Throws CoefficientError (after
// the reset) or ArithmeticOverflow (before anything is written into txtIM or
// txtSol) for the window's handler to report. n above 6 is refused with
// std::invalid_argument; below 1 only the minors routine's message follows.
void cmdSolve_Click(Form& form, std::int16_t n, Matrix& a);

}  // namespace velmora
