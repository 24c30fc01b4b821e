// The strict reader agrees with an independent model of its grammar (a
// regular expression and the C library's conversion) to the last bit and in
// its error, and every value it reads writes as a text that reads back to the
// same text. The strict fraction reader agrees with the model of a fraction,
// or where the text is none, with that of a number.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "number_model.h"
#include "numtext/numtext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!velmora::fuzz_model::SameFraction(velmora::ReadFractionStrict(text), text)) {
        __builtin_trap();
    }
    const velmora::StrictNumber number = velmora::ReadNumberStrict(text);
    if (!velmora::fuzz_model::SameNumber(number, velmora::fuzz_model::StrictModel(text))) {
        __builtin_trap();
    }
    if (!number.ok()) {
        return 0;
    }
    const std::string written = velmora::NumberText(number.value);
    const velmora::StrictNumber again = velmora::ReadNumberStrict(written);
    if (!again.ok() || velmora::NumberText(again.value) != written) {
        __builtin_trap();
    }
    return 0;
}
