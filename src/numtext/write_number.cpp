#include "numtext/numtext.h"

#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>
#include <system_error>

namespace velmora {

int CutDigits(std::string& digits, std::size_t keep, bool roundUp) {
    digits.resize(keep, '0');
    if (!roundUp) {
        return 0;
    }
    for (std::size_t i = keep; i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return 0;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
    digits.pop_back();
    return 1;
}

std::string NumberText(double x) {
    assert(std::isfinite(x));
    if (x == 0.0) {
        return "0";  // also for -0
    }
    // The general format with 15 digits is C's %.15G: plain for decimal
    // exponents -4..14 of the rounded value, trailing zeros dropped.
    std::array<char, 32> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                         std::chars_format::general, 15);
    assert(ec == std::errc());
    (void)ec;
    std::string text(buffer.data(), end);
    if (const std::size_t e = text.find('e'); e != std::string::npos) {
        text[e] = 'E';
    }
    // Next to the largest double, 15 digits round up to a number beyond the
    // range; write the largest 15-digit one below it so that the text reads
    // back.
    if (std::fabs(x) > 1.7976931348623e308 && !ReadNumberStrict(text).ok()) {
        text = x < 0 ? "-1.79769313486231E+308" : "1.79769313486231E+308";
    }
    return text;
}

std::string WholeNumberText(std::int16_t n) {
    return std::to_string(n);
}

}  // namespace velmora
