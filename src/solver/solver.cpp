#include "solver/solver.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "determinant/elimination.h"
#include "determinant/matrix.h"
#include "form/messages.h"
#include "form/reset_outputs.h"
#include "minors/coefficients.h"
#include "minors/minors.h"
#include "numtext/arithmetic_overflow.h"
#include "numtext/numtext.h"

namespace velmora {

namespace {

// Within this distance a solution component is shown as the nearest whole
// number, so that 2.0000004 reads 2; it is the program's only tolerance.
constexpr double kWholeNumberTolerance = 0.000001;

double SnapToWhole(double s) {
    const double whole = RoundHalfEven(s);
    return std::abs(s - whole) < kWholeNumberTolerance ? whole : s;
}

// y as the user sees it; a text without a leading number is 0.
Vector ReadRightHandSide(const Form& form, int n) {
    Vector y(n);
    for (int r = 1; r <= n; ++r) {
        y(r) = ReadNumberLenient(form.text(txtY(r)));
    }
    return y;
}

}  // namespace

void cmdSolve_Click(Form& form, std::int16_t n) {
    if (n > Matrix::kMaxSize) {
        throw std::invalid_argument("dimension above the largest grid");
    }
    // Below 1 nothing is read or inverted; the minors routine reports it.
    const int size = std::max<int>(n, 0);

    ResetOutputs(form, n);

    // Row by row, left to right: the first refused cell is the one reported.
    Matrix a(size, size);
    for (int r = 1; r <= size; ++r) {
        for (int c = 1; c <= size; ++c) {
            a(r, c) = ReadCoefficient(form, r, c);
        }
    }

    // The determinant shown, and the decision whether to invert, come from the
    // cofactor expansion. A grid that overflows half way is not left on screen.
    double det = 0.0;
    try {
        CalcMinorMatrix(form, n, det);
    } catch (const ArithmeticOverflow&) {
        ResetOutputs(form, n);
        throw;
    }
    form.setText(txtDeterminant, NumberText(det));
    if (det == 0.0) {
        form.showMessage(messages::kZeroDeterminant);
        return;
    }

    const Inversion inversion = Invert(a);
    if (inversion.singular(size)) {
        form.showMessage(messages::kSingular);
        return;
    }
    // Nothing is written into txtIM or txtSol before the inverse and every
    // solution component are known to be finite.
    const std::optional<LinearSolution> solution =
        SolveWith(inversion, ReadRightHandSide(form, size));
    if (!solution) {
        throw ArithmeticOverflow();
    }
    for (int j = 1; j <= size; ++j) {
        for (int i = 1; i <= size; ++i) {
            form.setText(txtIM(10 * j + i), ThreeDecimals(solution->inverse(j, i)));
        }
    }
    form.setFullInverse(solution->inverse);
    for (int r = 1; r <= size; ++r) {
        form.setText(txtSol(r), NumberText(SnapToWhole(solution->x(r))));
    }
}

}  // namespace velmora
