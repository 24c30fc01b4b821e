#pragma once

// The main window's logic: its event handlers and private routines. It owns
// the dimension N and the exact results of the last Solve, and reaches the
// controls only through the Form port. It is the one writer of the result
// fields: the computations (solver/) hand back values, and these routines
// write them, with their notes, and word every refusal in a message box.
// Errors a computation foresees come back as values; the one catch for the
// unforeseen is at the toolkit's edge, in QtForm::run.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "form/form.h"
#include "solver/solver.h"
#include "steps/matrix_text.h"
#include "steps/steps.h"

namespace velmora {

class frmVLMain {
public:
    explicit frmVLMain(Form& form) : m_form(form) {}

    void Form_Load();
    void txtMatSize_GotFocus();
    void txtMatSize_LostFocus();
    void txtMat_GotFocus(int index);
    void txtY_GotFocus(int index);
    void cmdSolve_Click();
    // "Show Steps": the Steps window for the last Solve that read A and y.
    void cmdSteps_Click();
    [[nodiscard]] std::optional<SolveSteps> Steps() const;
    // Whether the last Solve read A and y, so that its steps can be shown.
    [[nodiscard]] bool StepsAvailable() const;
    void optMat_Click(int index);
    // The "Fractions" box: the results show as reduced fractions while it is
    // checked, as decimals otherwise. Nothing is computed again.
    void chkFractions_Click(bool checked);

    // A text pasted into a field, by any means. A block fills cells (after
    // applying its dimension, when a square or augmented block of another
    // size goes into the top-left cell) or, when it does not fit, changes
    // nothing and says so; either way it is true. False when the text is no
    // block or the field takes none: the text then goes in as one text.
    bool PasteBlock(FieldId id, std::string_view text);
    // Puts back every cell and the dimension the last block paste changed.
    // A dimension goes back through txtMatSize_LostFocus, which lays out the
    // grid and resets the results as leaving the field does; an undo that
    // puts back cells only leaves the results as they are. False when there
    // is no such paste to undo: since it, the user has edited a field, or a
    // Solve or an option has computed results from the pasted cells.
    bool UndoPaste();
    [[nodiscard]] bool CanUndoPaste() const { return m_pasteUndo.has_value(); }
    // The user has changed a field's text himself. An edit of a coefficient
    // or a right-hand side marks the results out of date until the next
    // Solve or reset, as a paste and its undo do.
    void Field_Edited(FieldId id);

    // The visible N x N grid a field belongs to, as tab-separated rows of the
    // fields' texts: the coefficients with the vector as a last column, the
    // vector and the solution row as one column. Nothing outside a grid.
    [[nodiscard]] std::optional<std::string> GridText(FieldId id) const;
    // The exact inverse of the last Solve at 15 significant digits, in the
    // same form; nothing once the results have been reset.
    [[nodiscard]] std::optional<std::string> FullInverseText() const;
    // A result grid (the inverse, the minors grid, the solution) as reduced
    // fractions, in the same form; nothing when it holds no results.
    [[nodiscard]] std::optional<std::string> FractionGridText(FieldId id) const;
    // A grid's exact values for another program (LaTeX, Octave, NumPy,
    // spreadsheet formulas): the coefficients with y as an augmented
    // column, the vector, or a result grid; nothing when a value is missing
    // or a typed text cannot be read.
    [[nodiscard]] std::optional<std::string> MatrixAs(FieldId id, MatrixFormat format) const;

    // What the window reads of a vector cell whose text Solve reads only in
    // part, "Read as 1" for "1/3"; nothing for any other field, for a text
    // read whole, and for an empty cell, which is 0 as designed.
    [[nodiscard]] std::optional<std::string> ReadingNote(FieldId id) const;
    // What a coefficient or vector cell holding a fraction draws when the
    // fraction is too wide for it: its value at 15 digits, and whether that
    // is exact (the fallback of a FieldNote); nothing for any other text.
    [[nodiscard]] FieldNote InputFallback(FieldId id) const;

    [[nodiscard]] std::int16_t n() const noexcept { return m_n; }

private:
    void InitForm();
    void LayoutMatrix();
    // Forgets the results and writes the reset state: the identity in the
    // inverse, every other result empty.
    void ResetOutputs();
    // The option switch's run: the grid again from the coefficients as they
    // are now; the other results stay.
    void CalcMinorMatrix();
    // The texts of the visible N x N system, for the computations.
    [[nodiscard]] SolveInput Input() const;
    // Refuses a dimension that cannot be applied as typed; true when the
    // field's text is to be applied (after a dimension above 6 it reads 6).
    [[nodiscard]] bool AcceptDimension();
    void SelectAll(FieldId id);
    // A coefficient or right-hand side has changed since the results.
    void InputChanged();
    // Writes every result field of the N x N block from the results held, as
    // decimals or as fractions with the notes that give each its exact
    // value, and the reset state where there is no result.
    void ShowResults();
    void ShowResult(FieldId id, const ShownNumber& shown, bool outOfDate);
    // A field that holds no number of the results: a text and its note,
    // out of date with the others unless it holds nothing at all.
    void ShowText(FieldId id, const std::string& text, const std::string& note);
    void Report(const CellProblem& problem);

    // What a block paste changed: each cell with its text before, and the
    // dimension field's text before, when the paste applied a dimension.
    struct PasteUndo {
        std::vector<std::pair<FieldId, std::string>> cells;
        std::optional<std::string> dimension;
    };

    Form& m_form;
    std::int16_t m_n = 0;
    std::optional<PasteUndo> m_pasteUndo;
    // The exact values behind the result fields (never a problem: that is
    // reported at once); every reset clears them.
    SolveResults m_results;
    bool m_fractions = false;
    // An input has changed since the results (the grid: since it was last
    // computed, by a Solve or an option button).
    bool m_outOfDate = false;
    bool m_gridOutOfDate = false;
};

}  // namespace velmora
