#include "solver/solver.h"

#include <stdexcept>
#include <utility>

#include "form/messages.h"
#include "form/reset_outputs.h"
#include "minors/minors.h"
#include "numtext/numtext.h"

namespace velmora {

SolveOutcome cmdSolve_Click(Form& form, std::int16_t n) {
    if (n > kMaxDimension) {
        throw std::invalid_argument("dimension above the largest grid");
    }
    ResetOutputs(form, n);

    // The minors routine reads every coefficient, row by row, before it
    // writes anything; its determinant decides whether there is an inverse.
    SolveOutcome outcome;
    MinorResults minors;
    outcome.problem = CalcMinorMatrix(form, n, minors);
    if (outcome.problem) {
        return outcome;
    }
    SolveResults& results = outcome.results;
    results.determinant = ShownAsNumber(minors.determinant);
    form.setText(txtDeterminant, results.determinant->decimal);
    results.grid = std::move(minors.grid);
    if (minors.determinant.isZero() || !minors.inverse) {
        form.showMessage(messages::kZeroDeterminant);
        return outcome;
    }

    const RationalMatrix& w = *minors.inverse;
    ShownMatrix inverse(n, n);
    for (int j = 1; j <= n; ++j) {
        for (int i = 1; i <= n; ++i) {
            inverse(j, i) = ShownInThreeDecimals(w(j, i));
            form.setText(txtIM(10 * j + i), inverse(j, i).decimal);
        }
    }
    results.inverse = std::move(inverse);

    // y as the user sees it: a text without a leading number is 0.
    RationalVector y(n);
    for (int r = 1; r <= n; ++r) {
        ExactReading number = ReadExactLenient(form.text(txtY(r)));
        if (!number.ok()) {
            outcome.problem = CellProblem{txtY(r), number.ec};
            return outcome;
        }
        y(r) = std::move(number.value);
    }
    const RationalVector x = Multiply(w, y);
    ShownVector solution(n);
    for (int r = 1; r <= n; ++r) {
        solution(r) = ShownAsNumber(x(r));
        form.setText(txtSol(r), solution(r).decimal);
    }
    results.solution = std::move(solution);
    return outcome;
}

}  // namespace velmora
