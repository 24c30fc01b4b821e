// The lenient reader equals the strict model read on the longest valid
// prefix of the text once blanks, tabs, line feeds and carriage returns are
// removed and a D exponent letter is read as E; a prefix beyond the range is
// the overflow error, and a text without one reads 0.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "number_model.h"
#include "numtext/numtext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const velmora::fuzz_model::LenientReading expected = velmora::fuzz_model::LenientModel(text);
    const velmora::LenientNumber lenient = velmora::ReadNumberLenient(text);
    const velmora::StrictNumber actual{lenient.value, lenient.ec};
    if (!velmora::fuzz_model::SameNumber(actual, expected.number) ||
        lenient.readInFull != expected.inFull) {
        __builtin_trap();
    }
    return 0;
}
