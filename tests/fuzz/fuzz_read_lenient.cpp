// The lenient readers equal the strict models read on the longest valid
// prefix of the text once blanks, tabs, line feeds and carriage returns are
// removed and a decimal's D exponent letter is read as E: the fraction reader
// the longest number or fraction, the double reader the longest number,
// which stops at a fraction's '/'. A prefix beyond the range is the overflow
// error, and a text without one reads 0.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "number_model.h"
#include "numtext/numtext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace model = velmora::fuzz_model;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string s = model::LenientCleaned(text);
    const model::LenientPrefix prefix = model::LongestPrefix(s, true, model::FirstInnerBlank(text));

    const velmora::FractionReading fraction = velmora::ReadFractionLenient(text);
    const bool sameFraction =
        prefix.length == 0
            ? fraction.ok() && fraction.numerator.digits.empty() && !fraction.denominator
            : model::SameFraction(fraction, std::string_view(s).substr(0, prefix.length));
    if (!sameFraction || fraction.readInFull != (prefix.length == s.size())) {
        __builtin_trap();
    }

    const bool isFraction = prefix.fraction.ec != velmora::ReadError::syntax;
    const std::size_t length = isFraction ? prefix.fraction.numerator.size() : prefix.length;
    const velmora::StrictNumber expected =
        isFraction ? model::StrictModel(prefix.fraction.numerator) : prefix.number;
    const velmora::LenientNumber lenient = velmora::ReadNumberLenient(text);
    const velmora::StrictNumber actual{lenient.value, lenient.ec};
    if (!model::SameNumber(actual, expected) || lenient.readInFull != (length == s.size())) {
        __builtin_trap();
    }
    return 0;
}
