#pragma once

// Every message box the window's logic shows, prompt and title, and the
// captions it writes: the program's own wording, in one place.

#include <string>
#include <string_view>

#include "numtext/numtext.h"

namespace velmora {

struct Message {
    std::string_view prompt;
    std::string_view title;
};

namespace messages {

constexpr Message kDimensionTooLarge{"Larger than Maximum Matrix Dimension of 6",
                                     "Matrix Dimension ERROR"};
constexpr Message kDimensionUnusable{"Matrix Dimension must be a whole number from 1 to 6",
                                     "Matrix Dimension ERROR"};
constexpr Message kZeroDeterminant{"Inverse Matrix NOT Solvable, Check for Proportionate ROWS",
                                   "ZERO Determinant"};
constexpr Message kPasteDoesNotFit{"The pasted block does not fit", "Paste ERROR"};

// What is wrong with a refused text, after "... in row R".
[[nodiscard]] inline std::string_view Refusal(ReadError reason) {
    switch (reason) {
        case ReadError::outOfRange:
            return " is out of range";
        case ReadError::zeroDenominator:
            return " divides by zero";
        default:
            return " is not a number";
    }
}

// "Coefficient in row R, column C is not a number" (or "is out of range",
// "divides by zero").
constexpr std::string_view kCoefficientTitle = "Coefficient ERROR";
[[nodiscard]] inline std::string CoefficientPrompt(int row, int column, ReadError reason) {
    return "Coefficient in row " + std::to_string(row) + ", column " + std::to_string(column) +
           std::string(Refusal(reason));
}

// "Right-hand side in row R is out of range" (or "divides by zero"): y is
// read leniently, so it is never "not a number".
constexpr std::string_view kRightHandSideTitle = "Vector ERROR";
[[nodiscard]] inline std::string RightHandSidePrompt(int row, ReadError reason) {
    return "Right-hand side in row " + std::to_string(row) + std::string(Refusal(reason));
}

// The first line of a result's tooltip and description once an input has
// changed since the Solve that computed it.
constexpr std::string_view kOutOfDate = "Out of date: press Solve";

// What a result's tooltip and accessible description add to its text.
constexpr std::string_view kExactly = "exactly ";

// What a vector cell says it is read as, when part of its text is ignored.
[[nodiscard]] inline std::string ReadingNote(std::string_view number) {
    return "Read as " + std::string(number);
}

}  // namespace messages

// Label3 names what the minors grid shows.
constexpr std::string_view kCaptionDeterminants = "Matrix of Determinants";
constexpr std::string_view kCaptionMinors = "Matrix of Minors";

}  // namespace velmora
