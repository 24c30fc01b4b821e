#include "numtext/numtext.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace velmora {

Dimension ReadDimension(std::string_view text) {
    const StrictNumber number = ReadNumberStrict(text);
    if (number.ec == ReadError::outOfRange) {
        // A well-formed number beyond the double range: 0 when it is below
        // it (1E-400), otherwise too large, or too small when it is
        // negative ("-1E400"). A literal beyond 64 bits is too large.
        const PartsReading beyond = ReadPartsStrict(text, Range::unlimited);
        const NumberParts& parts = beyond.parts;
        if (beyond.ok() && parts.exponent + static_cast<std::int64_t>(parts.digits.size()) <= 0) {
            return {0, DimensionError::none};
        }
        return {
            0, beyond.ok() && parts.negative ? DimensionError::tooSmall : DimensionError::tooLarge};
    }
    if (!number.ok()) {
        return {0, DimensionError::notANumber};
    }
    const double rounded = RoundHalfEven(number.value);
    if (rounded > std::numeric_limits<std::int16_t>::max()) {
        return {0, DimensionError::tooLarge};
    }
    if (rounded < std::numeric_limits<std::int16_t>::min()) {
        return {0, DimensionError::tooSmall};
    }
    return {static_cast<std::int16_t>(rounded), DimensionError::none};
}

double RoundHalfEven(double x) noexcept {
    // std::round is independent of the rounding mode; only an exact half
    // can land on the odd neighbour, and then the even one is one closer
    // to zero. The sign of a zero result follows x, as with nearbyint.
    double r = std::round(x);
    if (std::fabs(r - x) == 0.5 && std::fmod(r, 2.0) != 0.0) {
        r -= std::copysign(1.0, x);
    }
    return std::copysign(r, x);
}

}  // namespace velmora
