#pragma once

#include <cstdint>
#include <optional>

#include "exact/exact_matrix.h"
#include "form/form.h"
#include "minors/coefficients.h"

namespace velmora {

// The exact values behind the result fields after a Solve, for the window
// to keep: what fractions, tooltips and copies need.
struct SolveResults {
    std::optional<ShownNumber> determinant;  // txtDeterminant
    ShownMatrix grid{0, 0};                  // txtMinMat, as its option shows it
    std::optional<ShownMatrix> inverse;      // txtIM; none: the identity of the reset
    std::optional<ShownVector> solution;     // txtSol
};

struct SolveOutcome {
    SolveResults results;
    std::optional<CellProblem> problem;  // a coefficient or right-hand side refused
};

// The "Solve" command for the n x n system in the window's fields, in exact
// arithmetic: resets the results, shows the grid of minors or determinants
// and the determinant, and, unless the determinant is 0 (reported here in a
// message box), the inverse and the solution. A refused coefficient leaves
// the results reset; a right-hand side beyond the double range leaves the
// determinant, the grid and the inverse shown and the solution empty. Either
// is returned for the window's handler to report. n above 6 is refused with
// std::invalid_argument; below 1 only the minors routine's message and the
// zero determinant follow.
[[nodiscard]] SolveOutcome cmdSolve_Click(Form& form, std::int16_t n);

}  // namespace velmora
