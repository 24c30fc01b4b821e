// The lenient reader equals the strict model read on the longest valid
// prefix of the text once blanks, tabs, line feeds and carriage returns are
// removed and a D exponent letter is read as E; a prefix beyond the range is
// the overflow error, and a text without one reads 0.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "number_model.h"
#include "numtext/numtext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string s = velmora::fuzz_model::LenientCleaned(text);
    velmora::StrictNumber expected{0.0, velmora::ReadError::none};
    bool inFull = s.empty();
    for (std::size_t length = s.size(); length > 0; --length) {
        const velmora::StrictNumber prefix =
            velmora::fuzz_model::StrictModel(std::string_view(s).substr(0, length));
        if (prefix.ec != velmora::ReadError::syntax) {
            expected = prefix;
            inFull = length == s.size();
            break;
        }
    }
    const velmora::LenientNumber lenient = velmora::ReadNumberLenient(text);
    const velmora::StrictNumber actual{lenient.value, lenient.ec};
    if (!velmora::fuzz_model::SameNumber(actual, expected) || lenient.readInFull != inFull) {
        __builtin_trap();
    }
    return 0;
}
