#pragma once

// One matrix as text for other programs, in exact fractions: the plain cells
// of the steps' copy, LaTeX, Octave / MATLAB, NumPy and spreadsheet formulas.

#include <string>

#include "exact/reduction.h"

namespace velmora {

enum class MatrixFormat {
    plain,        // tab-separated rows, fractions as "1/3", a "|" cell at the bar
    latex,        // bmatrix, or \left[\begin{array}{cc|c} ... \end{array}\right] with a bar
    octave,       // [1 2; 3 -1/3]
    numpy,        // np.array([[1, 2], [3, -1/3]])
    spreadsheet,  // tab-separated rows, each fraction a formula "=1/3"
};

// `bar`: the number of columns left of an augmented bar, 0 for none; only
// plain text and LaTeX draw it. Rows end with a line feed in plain text,
// spreadsheet formulas and LaTeX except the last.
[[nodiscard]] std::string MatrixText(const EliminationMatrix& m, int bar, MatrixFormat format);

// LaTeX with the entry at (pivotRow, pivotColumn) framed by \boxed, the mark
// of a step's pivot.
[[nodiscard]] std::string MatrixLatex(const EliminationMatrix& m, int bar, int pivotRow,
                                      int pivotColumn);

}  // namespace velmora
