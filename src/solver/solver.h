#pragma once

// The computations of a Solve and of an option switch, as values: from the
// texts the user typed to every result the window shows, each rounded once
// into its texts. Pure: no form, no state. The window gathers the texts,
// calls these and writes what they hand back.

#include <optional>
#include <string>

#include "exact/exact_matrix.h"
#include "exact/linear_system.h"
#include "numtext/numtext.h"

namespace velmora {

using TextMatrix = BasicMatrix<std::string>;
using TextVector = BasicVector<std::string>;

// What the lower-left grid holds: D(r, c), the determinant of A without row
// r and column c (optMat(0)), or the signed Laplace term D(r, c) * a(r, c)
// with the sign of r + c (optMat(1)).
enum class GridKind { determinants, minors };

// The texts one run reads: the n x n coefficients, the n right-hand sides,
// the grid asked for, and the hidden column boxes as they stand before it
// (an option switch adds onto what they hold; a Solve starts them empty).
struct SolveInput {
    TextMatrix coefficients{0, 0};
    TextVector vector{0};
    GridKind grid = GridKind::determinants;
    TextVector columnBoxes{0};
};

// A text a computation cannot use, and why: coefficient (row, column), or
// the right-hand side of `row` when column is 0.
struct CellProblem {
    int row = 0;
    int column = 0;
    ReadError reason = ReadError::syntax;

    [[nodiscard]] bool inVector() const noexcept { return column == 0; }
    friend bool operator==(const CellProblem&, const CellProblem&) = default;
};

// The grid with the hidden working boxes: for n >= 3, each row's expansion
// of the determinant (txtDetRow) and each column's running total of the
// shown cells (txtDetCol); no boxes for n < 3.
struct GridResults {
    ShownMatrix cells{0, 0};
    TextVector rowBoxes{0};
    TextVector columnBoxes{0};
};

// Everything a Solve shows, and the system as it read it. A refused
// coefficient leaves every result out; a refused right-hand side leaves out
// the solution and the answer. A zero determinant leaves out the inverse
// and the solution: the answer says whether the system has no solution or
// which solutions it has.
struct SolveResults {
    std::optional<CellProblem> problem;
    std::optional<ShownNumber> determinant;
    GridResults grid;
    std::optional<ShownMatrix> inverse;
    std::optional<ShownVector> solution;
    std::optional<SystemAnswer> answer;  // a zero determinant's
    int rank = 0;                        // of A, when its determinant is 0
    std::optional<RationalMatrix> a;
    std::optional<RationalVector> y;
};

// Precondition: 1 <= n <= 6, and every text matrix and vector of the input
// of that size.
[[nodiscard]] SolveResults Solve(const SolveInput& input);

// The grid alone, from the coefficients as they are now (an option switch);
// no grid when a coefficient is refused.
struct GridOutcome {
    std::optional<CellProblem> problem;
    GridResults grid;
};
[[nodiscard]] GridOutcome MinorGrid(const SolveInput& input);

}  // namespace velmora
