#pragma once

// What no field of the window may ever show: an infinity, a NaN (in any
// case) or a negative zero ("-0", "-.000", "-0E+00").

#include <algorithm>
#include <cctype>
#include <regex>
#include <string>

namespace velmora::testing_support {

inline bool IsNonNumberText(const std::string& text) {
    static const std::regex negativeZero(R"(-0*\.?0*(E.*)?)");
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos ||
           std::regex_match(text, negativeZero);
}

}  // namespace velmora::testing_support
