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
#include "numtext/arithmetic_overflow.h"
#include "numtext/numtext.h"

namespace {

std::string Cleaned(std::string_view text) {
    std::string s;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') {
            s.push_back(c);
        }
    }
    // &H literals have D among their digits; only decimals read D as E.
    if (s.empty() || s[0] != '&') {
        for (char& c : s) {
            c = c == 'D' ? 'E' : c == 'd' ? 'e' : c;
        }
    }
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string s = Cleaned(text);
    velmora::StrictNumber expected{0.0, velmora::ReadError::none};
    for (std::size_t length = s.size(); length > 0; --length) {
        const velmora::StrictNumber prefix =
            velmora::fuzz_model::StrictModel(std::string_view(s).substr(0, length));
        if (prefix.ec != velmora::ReadError::syntax) {
            expected = prefix;
            break;
        }
    }
    velmora::StrictNumber actual{0.0, velmora::ReadError::none};
    try {
        actual.value = velmora::ReadNumberLenient(text);
    } catch (const velmora::ArithmeticOverflow&) {
        actual.ec = velmora::ReadError::outOfRange;
    }
    if (!velmora::fuzz_model::SameNumber(actual, expected)) {
        __builtin_trap();
    }
    return 0;
}
