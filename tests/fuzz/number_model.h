#pragma once

// An independent model of the strict number grammar for the fuzz targets: a
// regular expression for the shape, and the C library's conversions in the
// "C" locale for the value. It shares no code with the readers it checks.

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <regex>
#include <string>
#include <string_view>

#include "numtext/numtext.h"

namespace velmora::fuzz_model {

// The shapes of the grammar: a decimal without its sign, and an &H / &O
// literal (which never has one).
inline const std::string kUnsignedDecimal = R"((?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:[eE][+-]?[0-9]+)?)";
inline const std::string kLiteral = R"(&(?:[hH][0-9a-fA-F]+|[oO][0-7]+))";

// What ReadNumberStrict must give for `text`.
inline StrictNumber StrictModel(std::string_view text) {
    static const std::regex decimal("[ \t]*([+-]?" + kUnsignedDecimal + ")[ \t]*");
    static const std::regex literal(R"([ \t]*&([hH][0-9a-fA-F]+|[oO][0-7]+)[ \t]*)");
    const std::string s(text);
    std::smatch match;
    if (std::regex_match(s, match, literal)) {
        const std::string body = match[1].str();
        errno = 0;
        const unsigned long long value =
            std::strtoull(body.c_str() + 1, nullptr, body[0] == 'h' || body[0] == 'H' ? 16 : 8);
        if (errno == ERANGE) {
            return {0.0, ReadError::outOfRange};
        }
        return {static_cast<double>(value), ReadError::none};
    }
    if (std::regex_match(s, match, decimal)) {
        const std::string number = match[1].str();
        const double value = std::strtod(number.c_str(), nullptr);
        // Infinite, or zero although a digit of the mantissa is not.
        const std::string mantissa = number.substr(0, number.find_first_of("eE"));
        const bool zeroDigits = mantissa.find_first_of("123456789") == std::string::npos;
        if (std::isinf(value) || (value == 0.0 && !zeroDigits)) {
            return {0.0, ReadError::outOfRange};
        }
        return {value, ReadError::none};
    }
    return {0.0, ReadError::syntax};
}

// A fraction as the fraction readers must take it: with ec none, the texts
// of its numerator and denominator, each one that StrictModel accepts.
// syntax when the text is no fraction (it may still be a number).
struct FractionModel {
    ReadError ec = ReadError::syntax;
    std::string numerator;
    std::string denominator;
};

inline FractionModel StrictFractionModel(std::string_view text) {
    static const std::regex fraction("[ \t]*([+-]?" + kUnsignedDecimal + "|" + kLiteral +
                                     ")[ \t]*/[ \t]*(" + kUnsignedDecimal + "|" + kLiteral +
                                     ")[ \t]*");
    const std::string s(text);
    std::smatch match;
    if (s.find('/') == std::string::npos || !std::regex_match(s, match, fraction)) {
        return {};
    }
    FractionModel model{ReadError::none, match[1].str(), match[2].str()};
    const StrictNumber numerator = StrictModel(model.numerator);
    const StrictNumber denominator = StrictModel(model.denominator);
    if (!numerator.ok()) {
        model.ec = numerator.ec;  // the numerator's range is checked first
    } else if (!denominator.ok()) {
        model.ec = denominator.ec;
    } else if (denominator.value == 0.0) {
        model.ec = ReadError::zeroDenominator;
    }
    return model;
}

// The text as the lenient reading sees it: without blanks, tabs, line
// feeds and carriage returns, and with a decimal's D exponent letter read
// as E, in the numerator and in what follows each '/' (&H literals have D
// among their digits).
inline std::string LenientCleaned(std::string_view text) {
    std::string s;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') {
            s.push_back(c);
        }
    }
    bool literal = !s.empty() && s[0] == '&';
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '/') {
            literal = i + 1 < s.size() && s[i + 1] == '&';
        } else if (!literal) {
            s[i] = s[i] == 'D' ? 'E' : s[i] == 'd' ? 'e' : s[i];
        }
    }
    return s;
}

// The longest prefix of a cleaned text that is a number or, with
// fractions, a fraction: its length (0 for none) and the models' verdicts.
struct LenientPrefix {
    std::size_t length = 0;
    StrictNumber number;     // ec syntax when the prefix is a fraction
    FractionModel fraction;  // ec syntax when the prefix is a number
};

// Where in the cleaned text the first blank after a character stood: a
// numerator holding it is no fraction's ("1 2/3" reads 12).
inline std::size_t FirstInnerBlank(std::string_view text) {
    std::size_t kept = 0;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') {
            ++kept;
        } else if (kept > 0) {
            return kept;
        }
    }
    return std::string::npos;
}

// The length of the longest prefix of a cleaned text (no blanks) that the
// number grammar accepts, 0 for none, in one pass: an &H or &O literal, or a
// sign, a mantissa of digits with at most one point and at least one digit,
// and an exponent that counts only with a digit.
inline std::size_t LongestNumberPrefix(std::string_view s) {
    const auto digits = [&s](std::size_t i, auto isDigit) {
        while (i < s.size() && isDigit(s[i])) {
            ++i;
        }
        return i;
    };
    const auto decimal = [](char c) { return c >= '0' && c <= '9'; };
    if (!s.empty() && s[0] == '&') {
        const char base = s.size() > 1 ? s[1] : '\0';
        std::size_t end = 2;
        if (base == 'h' || base == 'H') {
            end =
                digits(2, [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
        } else if (base == 'o' || base == 'O') {
            end = digits(2, [](char c) { return c >= '0' && c <= '7'; });
        }
        return end > 2 ? end : 0;
    }
    std::size_t i = !s.empty() && (s[0] == '+' || s[0] == '-') ? 1 : 0;
    const std::size_t start = i;
    i = digits(i, decimal);
    bool mantissa = i > start;
    if (i < s.size() && s[i] == '.') {
        const std::size_t fraction = i + 1;
        i = digits(fraction, decimal);
        mantissa = mantissa || i > fraction;
    }
    if (!mantissa) {
        return 0;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        const std::size_t sign = i + 1;
        const std::size_t exponent =
            sign < s.size() && (s[sign] == '+' || s[sign] == '-') ? sign + 1 : sign;
        const std::size_t end = digits(exponent, decimal);
        return end > exponent ? end : i;
    }
    return i;
}

// The longest prefix in one pass: the number, and with fractions a '/' and
// an unsigned number after it, unless a blank stood inside the numerator.
// The regular expressions of the models then judge that prefix, and must
// refuse the one a character longer: the pass and the grammar agree.
inline LenientPrefix LongestPrefix(const std::string& s, bool fractions,
                                   std::size_t firstBlank = std::string::npos) {
    const std::string_view all(s);
    LenientPrefix found{LongestNumberPrefix(all), {0.0, ReadError::none}, {}};
    const std::size_t numerator = found.length;
    if (fractions && numerator > 0 && numerator < s.size() && s[numerator] == '/' &&
        numerator <= firstBlank) {
        const std::string_view below = all.substr(numerator + 1);
        const bool signed_ = !below.empty() && (below[0] == '+' || below[0] == '-');
        const std::size_t denominator = signed_ ? 0 : LongestNumberPrefix(below);
        if (denominator > 0) {
            found.length = numerator + 1 + denominator;
        }
    }
    const std::string_view prefix = all.substr(0, found.length);
    if (found.length > 0) {
        found.number = StrictModel(prefix);
        if (fractions) {
            found.fraction = StrictFractionModel(prefix);
        }
    }
    const bool accepted = found.length == 0 || found.number.ec != ReadError::syntax ||
                          found.fraction.ec != ReadError::syntax;
    bool longerRefused = true;
    if (found.length < s.size()) {
        const std::string_view longer = all.substr(0, found.length + 1);
        const bool slashAfterBlank =
            longer.find('/') != std::string_view::npos && longer.find('/') > firstBlank;
        longerRefused =
            StrictModel(longer).ec == ReadError::syntax &&
            (!fractions || slashAfterBlank || StrictFractionModel(longer).ec == ReadError::syntax);
    }
    if (!accepted || !longerRefused) {
        __builtin_trap();
    }
    return found;
}

// The C library's nearest double of a number's parts.
inline double PartsValue(const NumberParts& parts) {
    const std::string text = (parts.negative ? "-" : "") +
                             (parts.digits.empty() ? std::string("0") : parts.digits) + "E" +
                             std::to_string(parts.exponent);
    return std::strtod(text.c_str(), nullptr);
}

// Whether parts are those of a text StrictModel accepts: the same double,
// but for a mantissa of more significant digits than the parts keep, which
// may round to the neighbouring double.
inline bool SameParts(const NumberParts& parts, const std::string& text) {
    const double expected = StrictModel(text).value;
    const double actual = PartsValue(parts);
    std::string digits;
    if (text.find('&') == std::string::npos) {
        for (const char c : text.substr(0, text.find_first_of("eE"))) {
            if (c >= '0' && c <= '9' && !(digits.empty() && c == '0')) {
                digits.push_back(c);
            }
        }
        digits.erase(digits.find_last_not_of('0') + 1);
    }
    if (digits.size() <= kMaxSignificantDigits) {
        return actual == expected;
    }
    return std::fabs(actual - expected) <= std::fabs(expected) * 0x1p-52;
}

// Whether a fraction reading is what the models make of a text: the
// fraction the fraction model finds, else the number model's number.
inline bool SameFraction(const FractionReading& reading, std::string_view text) {
    if (const FractionModel fraction = StrictFractionModel(text);
        fraction.ec != ReadError::syntax) {
        return reading.ec == fraction.ec &&
               (!reading.ok() || (reading.denominator.has_value() &&
                                  SameParts(reading.numerator, fraction.numerator) &&
                                  SameParts(*reading.denominator, fraction.denominator)));
    }
    const StrictNumber number = StrictModel(text);
    return reading.ec == number.ec &&
           (!reading.ok() ||
            (!reading.denominator.has_value() && SameParts(reading.numerator, std::string(text))));
}

// Equal to the last bit, the sign of a zero included.
inline bool SameNumber(const StrictNumber& a, const StrictNumber& b) {
    if (a.ec != b.ec) {
        return false;
    }
    return !a.ok() || (a.value == b.value && std::signbit(a.value) == std::signbit(b.value));
}

}  // namespace velmora::fuzz_model
