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
    m_form.stepsChanged(false);
}

bool frmVLMain::StepsAvailable() const {
    return m_results.a && m_results.y;
}

std::optional<SolveSteps> frmVLMain::Steps() const {
    if (!StepsAvailable()) {
        return std::nullopt;
    }
    return StepsOf(*m_results.a, *m_results.y);
}

void frmVLMain::cmdSteps_Click() {
    if (StepsAvailable()) {
        m_form.showSteps();
    }
}

void frmVLMain::cmdSolve_Click() {
    m_pasteUndo.reset();
    // Every result field is written once: what the Solve gives, and the
    // reset state wherever it gives nothing.
    SolveResults results = Solve(Input());
    const std::optional<CellProblem> problem = results.problem;
    results.problem.reset();
    m_results = std::move(results);
    m_outOfDate = m_gridOutOfDate = false;
    ShowResults();
    m_form.stepsChanged(StepsAvailable());
    if (problem) {
        Report(*problem);
    } else if (m_results.answer) {
        // A zero determinant: the box says what the system's answer is, and
        // offers the steps that found it.
        const bool steps = m_form.showMessageBox({std::string(messages::kZeroDeterminant.prompt),
                                                  std::string(messages::kZeroDeterminant.title),
                                                  AnswerText(*m_results.answer), true});
        if (steps) {
            m_form.showSteps();
        }
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
            std::string note = text;
            if (!text.empty()) {
                note += '\n';
            }
            note += answerLine;
            ShowText(txtSol(r), text, note);
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
        note.fallbackExact = shown.decimalExact;
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
