// Reading a dimension never crashes; its result or the kind of its error
// follows from the strict reading of the same text, and, for a number
// beyond the double range, from the C library's reading of its magnitude:
// below the range it rounds to the dimension 0.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "numtext/numtext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using velmora::DimensionError;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const velmora::StrictNumber number = velmora::ReadNumberStrict(text);
    const double rounded = number.ok() ? velmora::RoundHalfEven(number.value) : 0.0;
    const std::size_t first = text.find_first_not_of(" \t");
    const bool literal = first != std::string_view::npos && text[first] == '&';
    const bool belowRange = number.ec == velmora::ReadError::outOfRange && !literal &&
                            std::strtod(std::string(text).c_str(), nullptr) == 0.0;
    DimensionError expected = DimensionError::none;
    if (belowRange) {
        expected = DimensionError::none;  // it reads 0
    } else if (number.ec == velmora::ReadError::outOfRange) {
        const bool negative = first != std::string_view::npos && text[first] == '-';
        expected = negative ? DimensionError::tooSmall : DimensionError::tooLarge;
    } else if (!number.ok()) {
        expected = DimensionError::notANumber;
    } else if (rounded > 32767.0) {
        expected = DimensionError::tooLarge;
    } else if (rounded < -32768.0) {
        expected = DimensionError::tooSmall;
    }
    const velmora::Dimension dimension = velmora::ReadDimension(text);
    if (dimension.ec != expected ||
        (dimension.ok() && dimension.value != (belowRange ? 0.0 : rounded))) {
        __builtin_trap();
    }
    return 0;
}
