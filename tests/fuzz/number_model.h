#pragma once

// An independent model of the strict number grammar for the fuzz targets: a
// regular expression for the shape, and the C library's conversions in the
// "C" locale for the value. It shares no code with the readers it checks.

#include <cerrno>
#include <cmath>
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

// Equal to the last bit, the sign of a zero included.
inline bool SameNumber(const StrictNumber& a, const StrictNumber& b) {
    if (a.ec != b.ec) {
        return false;
    }
    return !a.ok() || (a.value == b.value && std::signbit(a.value) == std::signbit(b.value));
}

}  // namespace velmora::fuzz_model
