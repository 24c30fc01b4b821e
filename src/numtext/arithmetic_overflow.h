#pragma once

#include <cmath>
#include <stdexcept>

namespace velmora {

// A product, sum or quotient left the double range (or became NaN). It is
// thrown where the infinity appears and caught only by the window's event
// handler, so that it crosses the determinant routines unchanged.
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
