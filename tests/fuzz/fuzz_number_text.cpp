// The texts of raw doubles against the C library's formatting: NumberText is
// "%.15G" but for a zero of either sign ("0") and the 15-digit roundings
// beyond the largest double (the largest one below it instead), and its
// text reads back to itself.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "numtext/numtext.h"

namespace {

std::string Printed(const char* format, double x) {
    std::vector<char> buffer(static_cast<std::size_t>(std::snprintf(nullptr, 0, format, x)) + 1);
    std::snprintf(buffer.data(), buffer.size(), format, x);
    return buffer.data();
}

std::string GeneralText(double x) {
    if (x == 0.0) {
        return "0";
    }
    std::string text = Printed("%.15G", x);
    if (std::isinf(std::strtod(text.c_str(), nullptr))) {
        text = x < 0 ? "-1.79769313486231E+308" : "1.79769313486231E+308";
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size != sizeof(double)) {
        return 0;
    }
    double x = 0.0;
    std::memcpy(&x, data, sizeof x);
    if (!std::isfinite(x)) {
        return 0;
    }
    const std::string text = velmora::NumberText(x);
    if (text != GeneralText(x)) {
        __builtin_trap();
    }
    const velmora::StrictNumber again = velmora::ReadNumberStrict(text);
    if (!again.ok() || velmora::NumberText(again.value) != text) {
        __builtin_trap();
    }
    return 0;
}
