#pragma once

// The work behind a Solve, step by step in exact fractions: the reduction of
// [A | y] to reduced row echelon form ending with the system's answer, that
// of [A | I] ending with the inverse (when there is one), and the
// triangulation of A ending with det = (-1)^s x the diagonal. Each step is
// one row operation, its caption and the matrix after it: a fact the reader
// can check by hand on the matrix before.

#include <optional>
#include <string>
#include <vector>

#include "exact/exact_matrix.h"
#include "exact/linear_system.h"
#include "exact/reduction.h"

namespace velmora {

struct Step {
    RowOperation operation;  // its pivot is the entry to mark
    std::string caption;     // "R2 ← R2 - 3/2·R1"
    EliminationMatrix matrix{0, 0};
};

struct StepSection {
    enum class Kind { solution, inverse, determinant };
    Kind kind = Kind::solution;
    std::string title;  // "Solution", "Inverse", "Determinant"
    std::string label;  // of the start matrix: "[A | y]", "[A | I]", "A"
    EliminationMatrix start{0, 0};
    int bar = 0;  // the augmented bar after this column; 0 for none
    std::vector<Step> steps;
    // The closing line ("Unique solution: x = (1, 2).", "A⁻¹ =",
    // "det = (-1)^1 × 2 × (-3) = 6"), followed for the inverse by A⁻¹.
    std::string closing;
    std::optional<EliminationMatrix> result;
    // The closing line in LaTeX (amsmath), for the LaTeX copy.
    std::string closingLatex;
};

struct SolveSteps {
    std::vector<StepSection> sections;  // Solution, Inverse when det != 0, Determinant
    SystemAnswer answer;
    Rational determinant;
};

// The steps for a square A (1 to 6) and a y of its size.
[[nodiscard]] SolveSteps StepsOf(const RationalMatrix& a, const RationalVector& y);

// The caption of one row operation, rows as R1 ... R6: "R1 ↔ R3",
// "R2 ← 1/4·R2", "R2 ← -R2", "R2 ← R2 - 3/2·R1", "R3 ← R3 + R1" (the
// multiple positive after the sign, a multiple of 1 left out).
[[nodiscard]] std::string CaptionText(const RowOperation& operation);
// The same in LaTeX: "R_1 \leftrightarrow R_3", "R_2 \to R_2 - \frac{3}{2}R_1".
[[nodiscard]] std::string CaptionLatex(const RowOperation& operation);

// A number in LaTeX: "3", "-\frac{3}{2}".
[[nodiscard]] std::string LatexNumber(const Rational& x);

}  // namespace velmora
