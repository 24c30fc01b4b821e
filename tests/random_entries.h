#pragma once

// The random entries of the property tests: the kinds of entries that break
// eliminations, and how many draws a test makes in this build.

#include <cstdlib>
#include <random>
#include <string>

namespace velmora::testing_support {

// Many zeros, decimals whose binary values are inexact, and magnitudes far
// apart (huge integers once exact: a few of these cost as much as many of
// the others, and they make no singular matrix).
enum class Entries { sparseIntegers, oneDecimal, twoDecimals, mixedMagnitudes };

inline std::string RandomEntry(std::mt19937_64& random, Entries kind) {
    std::uniform_int_distribution<int> pick(0, 999);
    const int p = pick(random);
    switch (kind) {
        case Entries::sparseIntegers: {
            static constexpr int kValues[] = {0, 0, 0, 1, -1, 2, 3, -3, 4};
            return std::to_string(kValues[p % 9]);
        }
        case Entries::oneDecimal:
            return p % 4 == 0 ? "0" : std::to_string(p % 199 - 99) + "E-1";
        case Entries::twoDecimals:
            return p % 5 == 0 ? "0" : std::to_string(p * 2 - 999) + "E-2";
        case Entries::mixedMagnitudes: {
            std::uniform_int_distribution<int> exponent(-300, 300);
            return p % 6 == 0 ? "0"
                              : std::to_string(p - 499) + "E" + std::to_string(exponent(random));
        }
    }
    return "0";
}

// `count` draws scaled by VELMORA_SAMPLE_PERCENT (100 when unset), and at
// least one: the sanitizer build, where every draw costs several times as
// much, draws a quarter of the full sample.
inline int Sample(int count) {
    const char* percent = std::getenv("VELMORA_SAMPLE_PERCENT");
    const long p = percent == nullptr ? 100 : std::strtol(percent, nullptr, 10);
    const long scaled = count * (p > 0 && p < 100 ? p : 100) / 100;
    return scaled > 0 ? static_cast<int>(scaled) : 1;
}

}  // namespace velmora::testing_support
