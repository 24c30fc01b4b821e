// Reading a dimension never crashes; its result or the kind of its error
// follows from the strict reading of the same text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "numtext/numtext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using Kind = velmora::DimensionError::Kind;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const velmora::StrictNumber number = velmora::ReadNumberStrict(text);
    const double rounded = number.ok() ? velmora::RoundHalfEven(number.value) : 0.0;
    try {
        const std::int16_t dimension = velmora::ReadDimension(text);
        if (!number.ok() || rounded != dimension) {
            __builtin_trap();
        }
    } catch (const velmora::DimensionError& error) {
        Kind expected = Kind::notANumber;
        if (number.ec == velmora::ReadError::outOfRange) {
            const std::size_t first = text.find_first_not_of(" \t");
            const bool negative = first != std::string_view::npos && text[first] == '-';
            expected = negative ? Kind::tooSmall : Kind::tooLarge;
        } else if (number.ok() && rounded > 32767.0) {
            expected = Kind::tooLarge;
        } else if (number.ok() && rounded < -32768.0) {
            expected = Kind::tooSmall;
        } else if (number.ok()) {
            __builtin_trap();  // an error for a dimension in range
        }
        if (error.kind() != expected) {
            __builtin_trap();
        }
    }
    return 0;
}
