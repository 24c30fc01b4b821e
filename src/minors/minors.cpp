#include "minors/minors.h"

#include <cmath>
#include <string>

#include "form/messages.h"
#include "numtext/numtext.h"

namespace velmora {

namespace {

// After a failed run the grid is emptied: never half filled, and never the
// other option's numbers under the new caption.
void EmptyGrid(Form& form, int n) {
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            form.setText(txtMinMat(10 * r + c), "");
        }
    }
}

// The hidden column boxes add up what the grid shows, read back from its
// texts as doubles, onto what they held before the run. Nothing shows them:
// a total that cannot be formed (a text beyond the double range) empties
// its box, as a reset does, so that the next run starts it again from 0.
void AddToColumnBoxes(Form& form, int n, int r) {
    for (int c = 1; c <= n; ++c) {
        const LenientNumber before = ReadNumberLenient(form.text(txtDetCol(c)));
        const LenientNumber shown = ReadNumberLenient(form.text(txtMinMat(10 * r + c)));
        const double total = before.value + shown.value;
        const bool formed = before.ok() && shown.ok() && std::isfinite(total);
        form.setText(txtDetCol(c), formed ? NumberText(total) : "");
    }
}

}  // namespace

std::optional<CellProblem> CalcMinorMatrix(Form& form, std::int16_t n, MinorResults& out) {
    if (n < 1 || n > kMaxDimension) {
        form.showMessage(messages::kNoDeterminantRoutine);
        return std::nullopt;
    }
    CoefficientReading reading = ReadCoefficients(form, n);
    if (reading.problem) {
        return reading.problem;
    }
    MatrixAnalysis analysis = Analyse(reading.a);
    const bool determinants = form.isOptionSelected(0);

    // Cell (r, c) holds D(r, c), or the term D(r, c) * a(r, c) with the sign
    // of r + c. (The element's own coefficient would be read leniently; every
    // text the strict reader accepts reads the same that way.) The grid fills
    // row by row, each row box after its row, the column boxes after each row.
    ShownMatrix grid(n, n);
    Rational s;
    for (int r = 1; r <= n; ++r) {
        s = Rational();
        for (int c = 1; c <= n; ++c) {
            const Rational& d = analysis.subDeterminants(r, c);
            const Rational t = (r + c) % 2 == 0 ? d * reading.a(r, c) : -(d * reading.a(r, c));
            s = s + t;
            grid(r, c) = ShownAsNumber(determinants ? d : t);
            form.setText(txtMinMat(10 * r + c), grid(r, c).decimal);
        }
        if (n >= 3) {
            form.setText(txtDetRow(r), NumberText(s));
            AddToColumnBoxes(form, n, r);
        }
    }
    // The expansion along the last row.
    out = {std::move(grid), std::move(s), std::move(analysis.inverse)};
    return std::nullopt;
}

std::optional<CellProblem> optMat_Click(Form& form, std::int16_t n, int index, MinorResults& out) {
    form.setCaption(LabelId{3}, index == 0 ? kCaptionDeterminants : kCaptionMinors);
    std::optional<CellProblem> problem = CalcMinorMatrix(form, n, out);
    if (problem) {
        EmptyGrid(form, n);
    }
    return problem;
}

}  // namespace velmora
