#pragma once

// The steps of a Solve as the texts that take them away: the plain text of
// "Copy Steps", the LaTeX of "Copy as LaTeX", and the text a screen reader
// reads in order. Each holds every step the Steps window shows, nothing more.

#include <string>

#include "steps/steps.h"

namespace velmora {

// Per section its title, then the start matrix under its label ("[A | y]"),
// then per step its caption line and the matrix rows (cells as fractions
// separated by tabs, a "|" cell at the augmented bar), a blank line between
// steps, and last the closing line (for the inverse followed by A⁻¹'s rows).
// Sections are separated by a blank line.
[[nodiscard]] std::string StepsPlainText(const SolveSteps& steps);

// amsmath: per section a \section*, each matrix in its own display, each
// step's caption over an arrow (\xrightarrow{R_2 \to R_2 - \frac{3}{2}R_1})
// before the matrix, its pivot \boxed; the closing line last.
[[nodiscard]] std::string StepsLatex(const SolveSteps& steps);

// What a screen reader reads: per step the caption first, then the pivot
// named ("pivot 1 in row 1, column 1"), then each matrix row as a line of
// cells separated by ", " with a "|" at the bar.
[[nodiscard]] std::string StepsSpokenText(const SolveSteps& steps);

}  // namespace velmora
