#include "solver/solver.h"

#include <cmath>
#include <utility>
#include <variant>

namespace velmora {

namespace {

// The coefficients, each read strictly at its exact value, row by row and
// left to right; or the first one refused in that order.
std::variant<RationalMatrix, CellProblem> ReadCoefficients(const TextMatrix& texts) {
    RationalMatrix a(texts.rows(), texts.cols());
    for (int r = 1; r <= texts.rows(); ++r) {
        for (int c = 1; c <= texts.cols(); ++c) {
            ExactReading number = ReadExactStrict(texts(r, c));
            if (!number.ok()) {
                return CellProblem{r, c, number.ec};
            }
            a(r, c) = std::move(number.value);
        }
    }
    return a;
}

// A column box adds the shown cell, read back from its text as a double, onto
// the box's text. A total that cannot be formed (a text beyond the double
// range) empties the box, as a reset does, so that the next run starts it
// again from 0.
std::string AddToColumnBox(const std::string& box, const std::string& shown) {
    const LenientNumber before = ReadNumberLenient(box);
    const LenientNumber cell = ReadNumberLenient(shown);
    const double total = before.value + cell.value;
    const bool formed = before.ok() && cell.ok() && std::isfinite(total);
    return formed ? NumberText(total) : "";
}

// The grid fills row by row, each row box after its row, the column boxes
// brought up to date after each row. (The element's own coefficient is read
// strictly here: every text the strict reader accepts reads the same
// leniently.)
GridResults GridOf(const RationalMatrix& a, const MatrixAnalysis& analysis, GridKind kind,
                   const TextVector& columnBoxes) {
    const int n = a.rows();
    const bool boxes = n >= 3;
    GridResults grid{ShownMatrix(n, n), TextVector(boxes ? n : 0),
                     boxes ? columnBoxes : TextVector(0)};
    for (int r = 1; r <= n; ++r) {
        Rational s;
        for (int c = 1; c <= n; ++c) {
            const Rational& d = analysis.subDeterminants(r, c);
            Rational t = d * a(r, c);
            if ((r + c) % 2 != 0) {
                t = -t;
            }
            s = s + t;
            grid.cells(r, c) = ShownAsNumber(kind == GridKind::determinants ? d : t);
        }
        if (boxes) {
            grid.rowBoxes(r) = NumberText(s);
            for (int c = 1; c <= n; ++c) {
                grid.columnBoxes(c) = AddToColumnBox(grid.columnBoxes(c), grid.cells(r, c).decimal);
            }
        }
    }
    return grid;
}

}  // namespace

GridOutcome MinorGrid(const SolveInput& input) {
    auto read = ReadCoefficients(input.coefficients);
    if (const CellProblem* problem = std::get_if<CellProblem>(&read)) {
        return {*problem, {}};
    }
    const RationalMatrix& a = std::get<RationalMatrix>(read);
    return {std::nullopt, GridOf(a, Analyse(a), input.grid, input.columnBoxes)};
}

SolveResults Solve(const SolveInput& input) {
    SolveResults results;
    auto read = ReadCoefficients(input.coefficients);
    if (const CellProblem* problem = std::get_if<CellProblem>(&read)) {
        results.problem = *problem;
        return results;
    }
    const RationalMatrix& a = std::get<RationalMatrix>(read);
    MatrixAnalysis analysis = Analyse(a);
    results.grid = GridOf(a, analysis, input.grid, TextVector(a.rows()));
    // The elimination's determinant: in exact arithmetic every row's
    // expansion in the grid gives the same number.
    results.determinant = ShownAsNumber(analysis.determinant);
    results.a = a;
    const int n = a.rows();
    if (analysis.inverse) {
        const RationalMatrix& w = *analysis.inverse;
        ShownMatrix inverse(n, n);
        for (int r = 1; r <= n; ++r) {
            for (int c = 1; c <= n; ++c) {
                inverse(r, c) = ShownInThreeDecimals(w(r, c));
            }
        }
        results.inverse = std::move(inverse);
    } else {
        results.rank = ReduceToEchelon(Widened(a), n).rank();
    }

    // y as the user sees it: a text without a leading number is 0.
    RationalVector y(n);
    for (int r = 1; r <= n; ++r) {
        ExactReading number = ReadExactLenient(input.vector(r));
        if (!number.ok()) {
            results.problem = CellProblem{r, 0, number.ec};
            return results;
        }
        y(r) = std::move(number.value);
    }
    if (analysis.inverse) {
        const RationalVector x = Multiply(*analysis.inverse, y);
        ShownVector solution(n);
        for (int r = 1; r <= n; ++r) {
            solution(r) = ShownAsNumber(x(r));
        }
        results.solution = std::move(solution);
    } else {
        results.answer = SolveSystem(a, y);
    }
    results.y = std::move(y);
    return results;
}

}  // namespace velmora
