// Lenient reading never crashes and never yields an infinity or a NaN; a
// number beyond the range is reported by ArithmeticOverflow.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "numtext/arithmetic_overflow.h"
#include "numtext/numtext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const double value = velmora::ReadNumberLenient(text);
        if (!std::isfinite(value)) {
            __builtin_trap();
        }
        (void)velmora::NumberText(value);
    } catch (const velmora::ArithmeticOverflow&) {
        // expected for a leading number beyond the range
    }
    return 0;
}
