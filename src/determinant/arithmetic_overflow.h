#pragma once

#include <cmath>
#include <stdexcept>

namespace velmora {

// A product or sum of the determinant routines left the double range (or
// became NaN). It is thrown where the infinity appears and passes through
// the nested routines unchanged, so that a caller gets either a finite
// determinant or this error.
class ArithmeticOverflow : public std::overflow_error {
public:
    ArithmeticOverflow() : std::overflow_error("arithmetic overflow") {}
};

// Throws ArithmeticOverflow unless x is finite; returns x for chaining.
inline double CheckFinite(double x) {
    if (!std::isfinite(x)) {
        throw ArithmeticOverflow();
    }
    return x;
}

}  // namespace velmora
