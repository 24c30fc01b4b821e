#pragma once

// The exact readers' model: the grammar by the regular expressions of
// number_model.h, the value of each number worked out from its digits in
// GMP's rationals. It shares no code with the readers it checks.

#include <gmpxx.h>

#include <string>
#include <string_view>

#include "../exact_rational.h"
#include "number_model.h"

namespace velmora::fuzz_model {

struct ExactModel {
    ReadError ec = ReadError::none;
    mpq_class value;
    bool readInFull = true;

    [[nodiscard]] bool ok() const { return ec == ReadError::none; }
};

// The exact value of a text StrictModel accepts: a decimal, or an &H / &O
// literal.
inline mpq_class ExactNumber(const std::string& number) {
    const std::size_t first = number.find_first_not_of(" \t");
    const std::string text = number.substr(first, number.find_last_not_of(" \t") - first + 1);
    const std::string mantissa = text.substr(0, text.find_first_of("eE"));
    if (text[0] != '&' && mantissa.find_first_of("123456789") == std::string::npos) {
        return 0;  // "0E999999999": no power of ten to work out
    }
    if (text[0] == '&') {
        const bool hex = text[1] == 'h' || text[1] == 'H';
        return mpq_class(mpz_class(text.substr(2), hex ? 16 : 8));
    }
    std::string plain = text;
    for (char& c : plain) {
        c = c == 'e' ? 'E' : c;
    }
    if (plain[0] == '+') {
        plain.erase(0, 1);
    }
    return testing_support::ExactDecimal(plain);
}

// What ReadExactStrict must give: a fraction or a number.
inline ExactModel ExactStrictModel(std::string_view text) {
    const FractionModel fraction = StrictFractionModel(text);
    if (fraction.ec == ReadError::none) {
        return {ReadError::none,
                ExactNumber(fraction.numerator) / ExactNumber(fraction.denominator)};
    }
    if (fraction.ec != ReadError::syntax) {
        return {fraction.ec, 0};
    }
    const StrictNumber number = StrictModel(text);
    if (!number.ok()) {
        return {number.ec, 0};
    }
    return {ReadError::none, ExactNumber(std::string(text))};
}

// What ReadExactLenient must give: the strict reading of the longest prefix
// of the cleaned text that is a number or a fraction, else 0.
inline ExactModel ExactLenientModel(std::string_view text) {
    const std::string s = LenientCleaned(text);
    const LenientPrefix prefix = LongestPrefix(s, true, FirstInnerBlank(text));
    ExactModel model = prefix.length == 0 ? ExactModel{ReadError::none, 0}
                                          : ExactStrictModel(s.substr(0, prefix.length));
    model.readInFull = prefix.length == s.size();
    return model;
}

}  // namespace velmora::fuzz_model
