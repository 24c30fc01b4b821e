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
    form.setText(txtDeterminant, NumberText(minors.determinant));
    results.determinant = minors.determinant;
    results.grid = std::move(minors.grid);
    if (minors.determinant.isZero() || !minors.inverse) {
        form.showMessage(messages::kZeroDeterminant);
        return outcome;
    }

    const RationalMatrix& w = *minors.inverse;
    for (int j = 1; j <= n; ++j) {
        for (int i = 1; i <= n; ++i) {
            form.setText(txtIM(10 * j + i), ThreeDecimals(w(j, i)));
        }
    }
    results.inverse = std::move(minors.inverse);

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
    RationalVector x = Multiply(*results.inverse, y);
    for (int r = 1; r <= n; ++r) {
        form.setText(txtSol(r), NumberText(x(r)));
    }
    results.solution = std::move(x);
    return outcome;
}

}  // namespace velmora
