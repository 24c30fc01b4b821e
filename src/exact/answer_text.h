#pragma once

// The words of a system's answer, worded once here for every place that
// shows them (the message box, the solution row's fields and tooltips, the
// steps). Numbers as FractionText gives them; "·" is U+00B7.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "exact/linear_system.h"

namespace velmora {

// How an answer is written: the window's plain text by default; the steps'
// LaTeX gives its own numbers, words, parameter names and multiplication.
struct AnswerNotation {
    std::string (*number)(const Rational&) = FractionText;
    std::string (*words)(std::string_view) = [](std::string_view w) { return std::string(w); };
    // Parameter i (from 0) of count: t alone, t1, t2, ... for several.
    std::string (*parameter)(std::size_t i, std::size_t count) = [](std::size_t i,
                                                                    std::size_t count) {
        return count == 1 ? std::string("t") : "t" + std::to_string(i + 1);
    };
    std::string_view times = "\u00B7";
};

// The answer as one line:
//   unique:         "Unique solution: x = (1, -1/2)."
//   none:           "No solution: 3·row 1 - row 2 gives 0 = -1."
//   infinitelyMany: "Infinitely many solutions, 1 free parameter: x = (10, 0) + t·(-2, 1)."
//                   "Infinitely many solutions, 2 free parameters: x = t1·(1, 0) + t2·(0, 1)."
// The certificate's non-zero terms stand in row order, a coefficient 1 left
// out; p is left out when it is 0; one parameter is t, several t1, t2, ...
[[nodiscard]] std::string AnswerText(const SystemAnswer& answer,
                                     const AnswerNotation& notation = {});

// Component i (from 1) of the solution as a short expression without blanks:
// "10-2t", "t", "1/3+t1-2/5t2", "-t", "0"; the number itself for a unique
// solution, and an empty text when there is none.
[[nodiscard]] std::string SolutionComponentText(const SystemAnswer& answer, int i);

// All components in order: the texts of the solution row's fields.
[[nodiscard]] std::vector<std::string> SolutionTexts(const SystemAnswer& answer);

// "A is singular (rank 2 of 3)."
[[nodiscard]] std::string SingularInverseText(int rank, int n);

}  // namespace velmora
