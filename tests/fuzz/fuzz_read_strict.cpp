// Strict reading never crashes, never yields an infinity or a NaN, agrees
// with the lenient reader on texts without blanks inside, and every value
// it reads writes back as a text that reads again within 15 digits.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "numtext/numtext.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const velmora::StrictNumber number = velmora::ReadNumberStrict(text);
    if (!number.ok()) {
        return 0;
    }
    if (!std::isfinite(number.value)) {
        __builtin_trap();
    }
    const std::string_view inner = Trimmed(text);
    if (inner.find_first_of(" \t") == std::string_view::npos) {
        // Throws nothing for a text the strict reader accepts.
        const double lenient = velmora::ReadNumberLenient(text);
        if (lenient != number.value || std::signbit(lenient) != std::signbit(number.value)) {
            __builtin_trap();
        }
    }
    const velmora::StrictNumber again =
        velmora::ReadNumberStrict(velmora::NumberText(number.value));
    if (!again.ok() || std::fabs(again.value - number.value) > 1e-14 * std::fabs(number.value)) {
        __builtin_trap();
    }
    (void)velmora::ThreeDecimals(number.value);
    return 0;
}
