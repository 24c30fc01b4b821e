#include "app/frm_vl_main.h"

#include <string>

#include "blocktext/block_text.h"
#include "exact/answer_text.h"
#include "exact/rational.h"
#include "form/design.h"
#include "form/messages.h"
#include "numtext/numtext.h"

namespace velmora {

namespace {

// The window is designed for 6 x 6; for a smaller N everything right of or
// below the coefficient grid moves by one grid pitch per missing column or
// row, so it keeps its design distance from the last visible cell.
const int kColumnPitch = design::Of(Field::txtMat).pitchX;
const int kRowPitch = design::Of(Field::txtMat).pitchY;
constexpr int kVectorRightBar = 6;  // Line6, the vector's right bracket
constexpr int kCaptionGap = 120;    // twips

}  // namespace

void frmVLMain::Form_Load() {
    InitForm();
}

void frmVLMain::InitForm() {
    m_form.setText(txtMatSize, WholeNumberText(design::kStartDimension));
    LayoutMatrix();
}

void frmVLMain::LayoutMatrix() {
    // Callers have checked the text: it reads as a whole number from 1 to 6.
    // The field then reads the N in use ("2.5" is applied as 2 and reads 2).
    m_n = ReadDimension(m_form.text(txtMatSize)).value;
    m_form.setText(txtMatSize, WholeNumberText(m_n));
    const int missing = Matrix::kMaxSize - m_n;
    const int dx = -kColumnPitch * missing;
    const int dy = -kRowPitch * missing;

    for (int i = 1; i <= Matrix::kMaxSize; ++i) {
        for (int j = 1; j <= Matrix::kMaxSize; ++j) {
            const int k = 10 * i + j;
            const bool shown = i <= m_n && j <= m_n;
            m_form.setVisible(txtMat(k), shown);
            m_form.setVisible(txtMinMat(k), shown);
            m_form.setVisible(txtIM(k), shown);
        }
        if (i > m_n) {
            m_form.setVisible(txtSol(i), false);
            m_form.setVisible(txtY(i), false);
        } else {
            m_form.setVisible(txtSol(i), true);
            m_form.setVisible(txtY(i), true);
            m_form.setTop(txtSol(i), design::DesignRect(txtSol(i)).top + dy);
            m_form.setLeft(txtY(i), design::DesignRect(txtY(i)).left + dx);
        }
    }

    for (const design::LineDesign& line : design::kLines) {
        const design::Follows f = line.follows;
        if (!(f.x1 || f.y1 || f.x2 || f.y2)) {
            continue;  // the separator and the top-left serif never move
        }
        const LineEnds ends = line.ends;
        m_form.setLine(LineId{line.number}, {ends.x1 + (f.x1 ? dx : 0), ends.y1 + (f.y1 ? dy : 0),
                                             ends.x2 + (f.x2 ? dx : 0), ends.y2 + (f.y2 ? dy : 0)});
    }

    // The "=" sign stays level with the middle of the grid: half a row up per
    // missing row. The vector's caption keeps its height.
    const design::Rect equals = design::Label(5).rect;
    m_form.moveLabel(LabelId{5}, equals.left + dx, equals.top + dy / 2);
    const design::Rect vectorCaption = design::Label(7).rect;
    const design::Rect coefficientCaption = design::Label(6).rect;
    if (vectorCaption.left + dx >= coefficientCaption.left + coefficientCaption.width) {
        m_form.moveLabel(LabelId{7}, vectorCaption.left + dx, vectorCaption.top);
    } else {
        // Above a narrow grid the two captions would overlap: the vector's
        // stands right of its bracket, level with its first cell.
        const int bracket = design::kLines[kVectorRightBar - 1].ends.x1 + dx;
        const design::Rect first = design::DesignRect(txtY(1));
        m_form.moveLabel(LabelId{7}, bracket + kCaptionGap,
                         first.top + (first.height - vectorCaption.height) / 2);
    }

    ResetOutputs();
}

bool frmVLMain::AcceptDimension() {
    const Dimension m = ReadDimension(m_form.text(txtMatSize));
    const bool tooLarge =
        m.ec == DimensionError::tooLarge || (m.ok() && m.value > Matrix::kMaxSize);
    if (tooLarge) {
        // Refused, and the largest applied: the field, the grids and N agree.
        m_form.showMessage(messages::kDimensionTooLarge);
        m_form.setText(txtMatSize, WholeNumberText(Matrix::kMaxSize));
        return true;
    }
    if (!m.ok() || m.value < 1) {
        m_form.showMessage(messages::kDimensionUnusable);
        m_form.setText(txtMatSize, WholeNumberText(m_n));
        return false;
    }
    return true;
}

void frmVLMain::txtMatSize_LostFocus() {
    if (AcceptDimension()) {
        LayoutMatrix();
    }
}

// An input field takes the focus with its whole text selected, so that a
// typed number replaces the entry, however long, and never merges with the
// rest of it.
void frmVLMain::SelectAll(FieldId id) {
    m_form.select(id, 0, static_cast<int>(m_form.text(id).size()));
}

void frmVLMain::txtMatSize_GotFocus() {
    SelectAll(txtMatSize);
}

void frmVLMain::txtMat_GotFocus(int index) {
    SelectAll(txtMat(index));
}

void frmVLMain::txtY_GotFocus(int index) {
    SelectAll(txtY(index));
}

SolveInput frmVLMain::Input() const {
    SolveInput input{TextMatrix(m_n, m_n), TextVector(m_n),
                     m_form.isOptionSelected(0) ? GridKind::determinants : GridKind::minors,
                     TextVector(m_n)};
    for (int r = 1; r <= m_n; ++r) {
        for (int c = 1; c <= m_n; ++c) {
            input.coefficients(r, c) = m_form.text(txtMat(10 * r + c));
        }
        input.vector(r) = m_form.text(txtY(r));
        input.columnBoxes(r) = m_form.text(txtDetCol(r));
    }
    return input;
}

void frmVLMain::ResetOutputs() {
    m_results = {};
    m_outOfDate = m_gridOutOfDate = false;
    ShowResults();
}

void frmVLMain::cmdSolve_Click() {
    m_pasteUndo.reset();
    // Every result field is written once: what the Solve gives, and the
    // reset state wherever it gives nothing.
    SolveResults results = Solve(Input());
    const std::optional<CellProblem> problem = std::move(results.problem);
    results.problem.reset();
    m_results = std::move(results);
    m_outOfDate = m_gridOutOfDate = false;
    ShowResults();
    if (problem) {
        Report(*problem);
    } else if (m_results.answer) {
        // A zero determinant: the box says what the system's answer is.
        (void)m_form.showMessageBox({std::string(messages::kZeroDeterminant.prompt),
                                     std::string(messages::kZeroDeterminant.title),
                                     AnswerText(*m_results.answer), false});
    }
}

void frmVLMain::CalcMinorMatrix() {
    GridOutcome outcome = MinorGrid(Input());
    if (outcome.problem) {
        // Never half filled, and never the other option's numbers under the
        // new caption: the grid empties; the working boxes stay as they were.
        m_results.grid.cells = ShownMatrix(0, 0);
        ShowResults();
        Report(*outcome.problem);
        return;
    }
    m_results.grid = std::move(outcome.grid);
    m_gridOutOfDate = false;  // computed from the inputs as they are now
    ShowResults();
}

void frmVLMain::optMat_Click(int index) {
    m_pasteUndo.reset();
    m_form.setCaption(LabelId{3}, index == 0 ? kCaptionDeterminants : kCaptionMinors);
    CalcMinorMatrix();
}

void frmVLMain::chkFractions_Click(bool checked) {
    m_fractions = checked;
    ShowResults();
}

void frmVLMain::ShowResults() {
    const SolveResults& held = m_results;
    const auto show = [this](FieldId id, const ShownNumber* shown) {
        if (shown != nullptr) {
            const bool grid = id.field == Field::txtMinMat;
            ShowResult(id, *shown, grid ? m_gridOutOfDate : m_outOfDate);
        } else {
            ShowText(
                id,
                id.field == Field::txtIM ? design::IdentityText(id.index / 10, id.index % 10) : "",
                "");
        }
    };
    show(txtDeterminant, held.determinant ? &*held.determinant : nullptr);
    const bool grid = held.grid.cells.rows() == m_n;
    const bool boxes = held.grid.rowBoxes.size() == m_n;
    // No inverse where the determinant is 0, and no identity standing in
    // for one: the cells are empty and say why.
    const bool singular = held.determinant && !held.inverse;
    const std::string noInverse = singular ? SingularInverseText(held.rank, m_n) : "";
    const std::vector<std::string> answer =
        held.answer ? SolutionTexts(*held.answer) : std::vector<std::string>{};
    const std::string answerLine = held.answer ? AnswerText(*held.answer) : "";
    for (int r = 1; r <= m_n; ++r) {
        for (int c = 1; c <= m_n; ++c) {
            show(txtMinMat(10 * r + c), grid ? &held.grid.cells(r, c) : nullptr);
            if (singular) {
                ShowText(txtIM(10 * r + c), "", noInverse);
            } else {
                show(txtIM(10 * r + c), held.inverse ? &(*held.inverse)(r, c) : nullptr);
            }
        }
        if (held.answer) {
            // The general solution's component, or nothing where there is
            // none; either way with the answer's line.
            const std::string& text = answer[static_cast<std::size_t>(r - 1)];
            ShowText(txtSol(r), text, text.empty() ? answerLine : text + "\n" + answerLine);
        } else {
            show(txtSol(r), held.solution ? &(*held.solution)(r) : nullptr);
        }
        // Working storage, never shown: written as plain texts.
        m_form.setText(txtDetRow(r), boxes ? held.grid.rowBoxes(r) : "");
        m_form.setText(txtDetCol(r), boxes ? held.grid.columnBoxes(r) : "");
    }
}

void frmVLMain::ShowText(FieldId id, const std::string& text, const std::string& note) {
    m_form.setText(id, text);
    FieldNote fieldNote;
    fieldNote.note = note;
    fieldNote.outOfDate = m_outOfDate && !(text.empty() && note.empty());
    m_form.setNote(id, fieldNote);
}

void frmVLMain::ShowResult(FieldId id, const ShownNumber& shown, bool outOfDate) {
    // The note gives the value at full precision (15 digits) and, where that
    // is not exact, the fraction; nothing when the text says it all.
    const std::string& precise = shown.number.text;
    FieldNote note;
    note.outOfDate = outOfDate;
    if (m_fractions) {
        // Too wide, a fraction gives way to what the cell shows without the
        // box, marked as rounded only when that is not the value itself.
        const std::string fraction = FractionText(shown.value);
        m_form.setText(id, fraction);
        note.note = fraction != precise ? precise : "";
        note.fallback = shown.decimal;
        note.fallbackExact = ReadExactStrict(shown.decimal).value == shown.value;
        m_form.setNote(id, note);
        return;
    }
    if (shown.decimal != precise || !shown.number.exact) {
        note.note = precise;
    }
    if (!shown.number.exact) {
        note.note += "\n" + std::string(messages::kExactly) + FractionText(shown.value);
    }
    m_form.setText(id, shown.decimal);
    m_form.setNote(id, note);
}

bool frmVLMain::PasteBlock(FieldId id, std::string_view text) {
    if (id.field != Field::txtMat && id.field != Field::txtY) {
        return false;
    }
    const std::optional<TextBlock> block = ParseBlock(text);
    if (!block) {
        return false;
    }
    const int rows = static_cast<int>(block->size());
    const int width = BlockWidth(*block);
    const bool intoVector = id.field == Field::txtY;
    const int top = intoVector ? id.index : id.index / 10;
    const int left = intoVector ? 0 : id.index % 10;

    // A square or augmented block of another size, pasted into the top-left
    // cell, brings its own dimension.
    const bool resize = !intoVector && top == 1 && left == 1 && rows >= 2 &&
                        rows <= Matrix::kMaxSize && (width == rows || width == rows + 1) &&
                        rows != m_n;
    const int n = resize ? rows : m_n;
    // [A | y]: one column more than N, from the first column on.
    const bool augmented = !intoVector && left == 1 && width == n + 1;
    const bool fits =
        top + rows - 1 <= n && (intoVector ? width <= 1 : augmented || left + width - 1 <= n);
    if (!fits) {
        m_form.showMessage(messages::kPasteDoesNotFit);
        return true;
    }

    PasteUndo undo;
    if (resize) {
        undo.dimension = m_form.text(txtMatSize);
        m_form.setText(txtMatSize, WholeNumberText(static_cast<std::int16_t>(n)));
        txtMatSize_LostFocus();
    }
    for (int i = 0; i < rows; ++i) {
        const std::vector<std::string>& cells = (*block)[static_cast<std::size_t>(i)];
        for (int j = 0; j < static_cast<int>(cells.size()); ++j) {
            const int row = top + i;
            const FieldId cell =
                intoVector || (augmented && j == n) ? txtY(row) : txtMat(10 * row + left + j);
            undo.cells.emplace_back(cell, m_form.text(cell));
            m_form.setText(cell, cells[static_cast<std::size_t>(j)]);
        }
    }
    m_pasteUndo = std::move(undo);
    InputChanged();
    return true;
}

bool frmVLMain::UndoPaste() {
    if (!m_pasteUndo) {
        return false;
    }
    const PasteUndo undo = std::move(*m_pasteUndo);
    m_pasteUndo.reset();
    if (undo.dimension) {
        m_form.setText(txtMatSize, *undo.dimension);
        txtMatSize_LostFocus();
    }
    for (const auto& [cell, text] : undo.cells) {
        m_form.setText(cell, text);
    }
    InputChanged();
    return true;
}

void frmVLMain::Field_Edited(FieldId id) {
    m_pasteUndo.reset();
    if (id.field == Field::txtMat || id.field == Field::txtY) {
        InputChanged();
    }
}

void frmVLMain::InputChanged() {
    if (m_results.determinant && !(m_outOfDate && m_gridOutOfDate)) {
        m_outOfDate = m_gridOutOfDate = true;
        ShowResults();
    }
}

std::optional<std::string> frmVLMain::GridText(FieldId id) const {
    const Field grid = id.field;
    const bool square = grid == Field::txtMat || grid == Field::txtIM || grid == Field::txtMinMat;
    if (!square && grid != Field::txtY && grid != Field::txtSol) {
        return std::nullopt;
    }
    TextBlock block(static_cast<std::size_t>(m_n));
    for (int r = 1; r <= m_n; ++r) {
        std::vector<std::string>& row = block[static_cast<std::size_t>(r - 1)];
        for (int c = 1; square && c <= m_n; ++c) {
            row.push_back(m_form.text({grid, 10 * r + c}));
        }
        if (grid == Field::txtMat) {
            row.push_back(m_form.text(txtY(r)));
        } else if (!square) {
            row.push_back(m_form.text({grid, r}));
        }
    }
    return BlockText(block);
}

namespace {

// A matrix of exact values as the rows of a copied block, each value in the
// given text.
template <typename Text>
std::string ValuesText(const ShownMatrix& values, Text text) {
    TextBlock block(static_cast<std::size_t>(values.rows()));
    for (int r = 1; r <= values.rows(); ++r) {
        for (int c = 1; c <= values.cols(); ++c) {
            block[static_cast<std::size_t>(r - 1)].push_back(text(values(r, c)));
        }
    }
    return BlockText(block);
}

}  // namespace

std::optional<std::string> frmVLMain::FullInverseText() const {
    if (!m_results.inverse) {
        return std::nullopt;
    }
    return ValuesText(*m_results.inverse, [](const ShownNumber& x) { return x.number.text; });
}

std::optional<std::string> frmVLMain::ReadingNote(FieldId id) const {
    if (id.field != Field::txtY) {
        return std::nullopt;
    }
    // What Solve takes; a number beyond the range gets no note, Solve
    // reports it.
    const ExactReading reading = ReadExactLenient(m_form.text(id));
    if (reading.readInFull || !reading.ok()) {
        return std::nullopt;
    }
    return messages::ReadingNote(ExactText(reading.value));
}

FieldNote frmVLMain::InputFallback(FieldId id) const {
    FieldNote fallback;
    const std::string text = m_form.text(id);
    const bool input = id.field == Field::txtMat || id.field == Field::txtY;
    if (!input || text.find('/') == std::string::npos) {
        return fallback;
    }
    const ExactReading reading =
        id.field == Field::txtMat ? ReadExactStrict(text) : ReadExactLenient(text);
    if (reading.ok()) {
        const RoundedText decimal = RoundedNumberText(reading.value);
        fallback.fallback = decimal.text;
        fallback.fallbackExact = decimal.exact;
    }
    return fallback;
}

std::optional<std::string> frmVLMain::FractionGridText(FieldId id) const {
    const auto fraction = [](const ShownNumber& x) { return FractionText(x.value); };
    switch (id.field) {
        case Field::txtIM:
            return m_results.inverse ? std::optional(ValuesText(*m_results.inverse, fraction))
                                     : std::nullopt;
        case Field::txtMinMat:
            return m_results.grid.cells.rows() > 0
                       ? std::optional(ValuesText(m_results.grid.cells, fraction))
                       : std::nullopt;
        case Field::txtSol: {
            if (m_results.answer) {
                // The general solution is fraction-exact already: as shown.
                return GridText(id);
            }
            if (!m_results.solution) {
                return std::nullopt;
            }
            // As the grid's copy gives it: one column.
            ShownMatrix column(m_results.solution->size(), 1);
            for (int r = 1; r <= column.rows(); ++r) {
                column(r, 1) = (*m_results.solution)(r);
            }
            return ValuesText(column, fraction);
        }
        default:
            return std::nullopt;
    }
}

void frmVLMain::Report(const CellProblem& problem) {
    FieldId cell = txtY(problem.row);
    if (problem.inVector()) {
        m_form.showMessage(messages::RightHandSidePrompt(problem.row, problem.reason),
                           messages::kRightHandSideTitle);
    } else {
        cell = txtMat(10 * problem.row + problem.column);
        m_form.showMessage(messages::CoefficientPrompt(problem.row, problem.column, problem.reason),
                           messages::kCoefficientTitle);
    }
    // Hand the cell to the user with its whole text selected, ready to retype.
    m_form.setFocus(cell);
    SelectAll(cell);
}

}  // namespace velmora
