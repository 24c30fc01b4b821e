#include "minors/minors.h"

#include <cmath>

#include "determinant/determinant.h"
#include "determinant/matrix.h"
#include "minors/coefficients.h"
#include "numtext/arithmetic_overflow.h"
#include "numtext/numtext.h"

namespace velmora {

namespace {

bool showsDeterminants(const Form& form) {
    return form.isOptionSelected(0);
}

// After a failed run the grid is emptied: never half filled, and never the
// other option's numbers under the new caption.
void emptyGrid(Form& form, int n) {
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            form.setText(txtMinMat(10 * r + c), "");
        }
    }
}

// The 1x1 matrix [a]: the sub-matrix of its one element is empty, with the
// determinant 1, so the term is a itself. The row and column boxes are not
// written, as for N = 2: nothing reads them.
void calcMinorMatrix1(Form& form, double& det) {
    const double a = ReadCoefficient(form, 1, 1);
    const double d = 1.0;
    const double t = d * a;
    form.setText(txtMinMat(11), NumberText(showsDeterminants(form) ? d : t));
    det = a;
}

// Only the four grid cells are written; the row and column boxes keep
// their texts.
void calcMinorMatrix2(Form& form, double& det) {
    Matrix a(2, 2);
    for (int i = 1; i <= 2; ++i) {
        for (int j = 1; j <= 2; ++j) {
            a(i, j) = ReadCoefficient(form, i, j);
        }
    }
    if (showsDeterminants(form)) {
        // Each cell shows the one element left without its row and column.
        form.setText(txtMinMat(11), NumberText(a(2, 2)));
        form.setText(txtMinMat(12), NumberText(a(2, 1)));
        form.setText(txtMinMat(21), NumberText(a(1, 2)));
        form.setText(txtMinMat(22), NumberText(a(1, 1)));
    } else {
        form.setText(txtMinMat(11), NumberText(CheckFinite(a(1, 1) * a(2, 2))));
        form.setText(txtMinMat(12), NumberText(-CheckFinite(a(1, 2) * a(2, 1))));
        form.setText(txtMinMat(21), NumberText(-CheckFinite(a(2, 1) * a(1, 2))));
        form.setText(txtMinMat(22), NumberText(CheckFinite(a(2, 2) * a(1, 1))));
    }
    det = Deter22(a);
}

// Cofactor expansion of every element. Each sub-matrix is rebuilt from the
// field texts and evaluated in full; nothing is reused between elements.
void calcMinorMatrixN(Form& form, int n, double& det) {
    double (*const deter)(const Matrix&) = n == 3   ? &Deter22
                                           : n == 4 ? &Deter33
                                           : n == 5 ? &Deter44
                                                    : &Deter55;
    const bool determinants = showsDeterminants(form);
    Matrix w(n - 1, n - 1);
    double s = 0.0;
    for (int r = 1; r <= n; ++r) {
        s = 0.0;
        for (int c = 1; c <= n; ++c) {
            for (int k = 1; k <= n - 1; ++k) {
                const int rk = k < r ? k : k + 1;
                for (int l = 1; l <= n - 1; ++l) {
                    const int cl = l < c ? l : l + 1;
                    w(k, l) = ReadCoefficient(form, rk, cl);
                }
            }
            const double d = deter(w);
            // The element's own coefficient is read leniently: a text the
            // strict reader accepts reads the same way.
            const double a = ReadNumberLenient(form.text(txtMat(10 * r + c)));
            const double sign = (r + c) % 2 == 0 ? 1.0 : -1.0;
            const double t = CheckFinite(d * a) * sign;
            s = CheckFinite(s + t);
            form.setText(txtMinMat(10 * r + c), NumberText(determinants ? d : t));
        }
        form.setText(txtDetRow(r), NumberText(s));
        // The column boxes add up what the grid shows, read back from its
        // texts, onto what they held before the run. Nothing shows them: a
        // total beyond the double range empties its box, as a reset does, so
        // that the next run starts it again from 0.
        for (int c = 1; c <= n; ++c) {
            const double total = ReadNumberLenient(form.text(txtDetCol(c))) +
                                 ReadNumberLenient(form.text(txtMinMat(10 * r + c)));
            form.setText(txtDetCol(c), std::isfinite(total) ? NumberText(total) : "");
        }
    }
    // The expansion along the last row, never passed through text.
    det = s;
}

}  // namespace

void CalcMinorMatrix(Form& form, std::int16_t n, double& det) {
    if (n < 1 || n > Matrix::kMaxSize) {
        form.showMessage(messages::kNoDeterminantRoutine);
        return;
    }
    // A refused coefficient is met in reading order before the grid is touched.
    CheckCoefficients(form, n);
    if (n == 1) {
        calcMinorMatrix1(form, det);
    } else if (n == 2) {
        calcMinorMatrix2(form, det);
    } else {
        calcMinorMatrixN(form, n, det);
    }
}

void optMat_Click(Form& form, std::int16_t n, int index) {
    form.setCaption(LabelId{3}, index == 0 ? kCaptionDeterminants : kCaptionMinors);
    double scratch = 0.0;
    try {
        CalcMinorMatrix(form, n, scratch);
    } catch (const CoefficientError&) {
        emptyGrid(form, n);
        throw;
    } catch (const ArithmeticOverflow&) {
        emptyGrid(form, n);
        throw;
    }
}

}  // namespace velmora
