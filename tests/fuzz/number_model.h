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

// What ReadNumberStrict must give for `text`.
inline StrictNumber StrictModel(std::string_view text) {
    static const std::regex decimal(
        R"([ \t]*([+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?)[ \t]*)");
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

// The text as the lenient reading sees it: without blanks, tabs, line
// feeds and carriage returns, and with a decimal's D exponent letter read
// as E (&H literals have D among their digits).
inline std::string LenientCleaned(std::string_view text) {
    std::string s;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') {
            s.push_back(c);
        }
    }
    if (s.empty() || s[0] != '&') {
        for (char& c : s) {
            c = c == 'D' ? 'E' : c == 'd' ? 'e' : c;
        }
    }
    return s;
}

// The length of the longest prefix of a cleaned text (no blanks or tabs)
// that the grammar above accepts, 0 for none, in one pass: an &H or &O
// literal, or a sign, a mantissa of digits with at most one point and at
// least one digit, and an exponent that counts only with a digit.
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
            end = digits(2, [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
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

// What the lenient reading must give for `text`: the strict model read on
// the longest prefix of the cleaned text that it accepts (a prefix beyond
// the range is the overflow error); a text without one reads 0.
struct LenientReading {
    std::string prefix;
    StrictNumber number{0.0, ReadError::none};
    bool inFull = false;  // the prefix is the whole cleaned text
};

inline LenientReading LenientModel(std::string_view text) {
    LenientReading reading;
    const std::string s = LenientCleaned(text);
    const std::size_t length = LongestNumberPrefix(s);
    reading.prefix = s.substr(0, length);
    reading.inFull = length == s.size();
    if (length > 0) {
        reading.number = StrictModel(reading.prefix);
    }
    // The one pass and the regular expressions agree on where the number
    // ends: they take the prefix and refuse the one a character longer.
    const bool longerRefused =
        length == s.size() ||
        StrictModel(std::string_view(s).substr(0, length + 1)).ec == ReadError::syntax;
    if ((length > 0 && reading.number.ec == ReadError::syntax) || !longerRefused) {
        __builtin_trap();
    }
    return reading;
}

// Equal to the last bit, the sign of a zero included.
inline bool SameNumber(const StrictNumber& a, const StrictNumber& b) {
    if (a.ec != b.ec) {
        return false;
    }
    return !a.ok() || (a.value == b.value && std::signbit(a.value) == std::signbit(b.value));
}

}  // namespace velmora::fuzz_model
