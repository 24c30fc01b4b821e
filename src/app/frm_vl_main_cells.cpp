// The window's cells as blocks of text: a block pasted into the input
// grids and its undo, every grid copied, and what an input cell tells of
// what is read of it.

#include "app/frm_vl_main.h"

#include <string>
#include <utility>
#include <vector>

#include "blocktext/block_text.h"
#include "form/messages.h"
#include "numtext/numtext.h"

namespace velmora {

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
        for (int j = 0; std::cmp_less(j, cells.size()); ++j) {
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

std::optional<std::string> frmVLMain::MatrixAs(FieldId id, MatrixFormat format) const {
    // The grid's exact values: the typed ones as Solve reads them (A with y
    // as its augmented column), or the results of the last Solve.
    const auto column = [](const ShownVector& v) {
        EliminationMatrix m(v.size(), 1);
        for (int r = 1; r <= v.size(); ++r) {
            m(r, 1) = v(r).value;
        }
        return m;
    };
    const auto square = [](const ShownMatrix& values) {
        EliminationMatrix m(values.rows(), values.cols());
        for (int r = 1; r <= values.rows(); ++r) {
            for (int c = 1; c <= values.cols(); ++c) {
                m(r, c) = values(r, c).value;
            }
        }
        return m;
    };
    switch (id.field) {
        case Field::txtMat:
        case Field::txtY: {
            const bool withA = id.field == Field::txtMat;
            EliminationMatrix m(m_n, withA ? m_n + 1 : 1);
            for (int r = 1; r <= m_n; ++r) {
                for (int c = 1; withA && c <= m_n; ++c) {
                    ExactReading a = ReadExactStrict(m_form.text(txtMat(10 * r + c)));
                    if (!a.ok()) {
                        return std::nullopt;
                    }
                    m(r, c) = std::move(a.value);
                }
                ExactReading y = ReadExactLenient(m_form.text(txtY(r)));
                if (!y.ok()) {
                    return std::nullopt;
                }
                m(r, m.cols()) = std::move(y.value);
            }
            return MatrixText(m, withA ? m_n : 0, format);
        }
        case Field::txtIM:
            return m_results.inverse
                       ? std::optional(MatrixText(square(*m_results.inverse), 0, format))
                       : std::nullopt;
        case Field::txtMinMat:
            return m_results.grid.cells.rows() > 0
                       ? std::optional(MatrixText(square(m_results.grid.cells), 0, format))
                       : std::nullopt;
        case Field::txtSol:
            return m_results.solution
                       ? std::optional(MatrixText(column(*m_results.solution), 0, format))
                       : std::nullopt;
        default:
            return std::nullopt;
    }
}

}  // namespace velmora
