#pragma once

// Fixed-size determinants of the top-left k x k block of a matrix of doubles,
// k = 2..5: the window's public routines, kept with their own contract. The
// window itself no longer calls them: every result it shows is computed in
// exact rationals (exact/), where a double would round. Each is a pure
// function of its argument, which it never modifies. Every product and every
// result is checked: a value beyond the double range (or a NaN) throws
// ArithmeticOverflow instead of being returned.

#include "matrix/matrix.h"

namespace velmora {

[[nodiscard]] double Deter22(const Matrix& m);
[[nodiscard]] double Deter33(const Matrix& m);
[[nodiscard]] double Deter44(const Matrix& m);
[[nodiscard]] double Deter55(const Matrix& m);

}  // namespace velmora
