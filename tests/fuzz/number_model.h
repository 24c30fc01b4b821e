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
        const double value = std::strtod(match[1].str().c_str(), nullptr);
        if (std::isinf(value)) {
            return {0.0, ReadError::outOfRange};
        }
        return {value, ReadError::none};  // below the subnormals: a zero of the sign
    }
    return {0.0, ReadError::syntax};
}

// Equal to the last bit, the sign of a zero included.
inline bool SameNumber(const StrictNumber& a, const StrictNumber& b) {
    if (a.ec != b.ec) {
        return false;
    }
    return !a.ok() || (a.value == b.value && std::signbit(a.value) == std::signbit(b.value));
}

}  // namespace velmora::fuzz_model
